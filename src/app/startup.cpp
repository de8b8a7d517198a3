// Start and end of the main window: Form_Load reads the store once, and
// every way out saves once and ends the process at once.
#include "about/aboutwindow.h"
#include "app/platform.h"
#include "mainwindow/fontsize.h"
#include "mainwindow/form1.h"
#include "notes/settingslayout.h"

#include <QDir>
#include <QFont>
#include <QListWidget>
#include <QPlainTextEdit>

namespace
{
const QLatin1String storeAppName("qbxlm120");
constexpr int maxNotes = 500;
} // namespace

void Form1::Form_Load()
{
    appname = storeAppName;
    tpp = 15;
    tppint = 15;
    notes.maxnotes = maxNotes;
    initimages();
    const QRect outer = platform.windowGeometry(this);
    platform.resizeWindow(this, 180 * tpp, outer.height());
    adjustform();
    iniload();
    showall();
}

// Runs on the start-up thread: the store and nothing else.
Form1::StoreRead Form1::readstore()
{
    StoreRead read;
    read.opened = store.open();
    if (read.opened != SettingsStore::OpenResult::Failed)
        read.settings = loadsettings(store, storeAppName, maxNotes);
    return read;
}

void Form1::iniload()
{
    const StoreRead read = earlyRead.valid() ? earlyRead.get() : readstore();
    const SettingsStore::OpenResult opened = read.opened;
    if (opened == SettingsStore::OpenResult::Quarantined) {
        platform.messageBox(
            this,
            QStringLiteral("The notes store %1 was damaged and has been kept aside as %2. "
                           "Quillbox starts with no notes.")
                .arg(QDir::toNativeSeparators(store.path()),
                     QDir::toNativeSeparators(store.quarantinedPath())),
            Platform::OkOnly, Platform::Exclamation, QStringLiteral("quillbox"));
    } else if (opened == SettingsStore::OpenResult::Failed) {
        platform.messageBox(this,
                            QStringLiteral("Quillbox cannot open its notes store %1: %2\n"
                                           "It starts with no notes; saving will be tried "
                                           "again when it closes.")
                                .arg(QDir::toNativeSeparators(store.path()), store.error()),
                            Platform::OkOnly, Platform::Exclamation, QStringLiteral("quillbox"));
        const StoredSettings defaults;
        setpointsize(mainlist, defaults.mainlistsize);
        setpointsize(maintextbox, defaults.maintextboxsize);
        return;
    }
    const StoredSettings &loaded = read.settings;
    setpointsize(mainlist, loaded.mainlistsize);
    setpointsize(maintextbox, loaded.maintextboxsize);
    notes.assign(loaded.titles, loaded.contents);
    storeLoaded = true;
}

void Form1::inisave()
{
    StoredSettings settings;
    settings.titles = notes.titles();
    settings.contents = notes.contents();
    settings.mainlistsize = static_cast<float>(mainlist->font().pointSizeF());
    settings.maintextboxsize = static_cast<float>(maintextbox->font().pointSizeF());
    for (;;) {
        bool saved = store.isOpen() || store.open() != SettingsStore::OpenResult::Failed;
        if (saved && !storeLoaded) {
            // The notes could not be read at start (the store was locked, say):
            // keep the ones it holds now, ahead of this session's, rather than
            // save over notes this run never saw.
            const StoredSettings kept = loadsettings(store, appname, notes.maxnotes);
            settings.titles = (kept.titles + settings.titles).mid(0, notes.maxnotes);
            settings.contents = (kept.contents + settings.contents).mid(0, notes.maxnotes);
            storeLoaded = true;
        }
        if (saved)
            saved = savesettings(store, appname, settings);
        if (saved)
            return;
        // A failed save is never silent; Cancel leaves the store as it was.
        const auto answer = platform.messageBox(
            this,
            QStringLiteral("Quillbox could not save your notes to %1: %2")
                .arg(QDir::toNativeSeparators(store.path()), store.error()),
            Platform::RetryCancel, Platform::Critical, QStringLiteral("quillbox"));
        if (answer != Platform::Retry)
            return;
    }
}

void Form1::Form_Unload()
{
    saving = true;
    inisave();
    endnow();
}

void Form1::byebye()
{
    saving = true;
    inisave();
    endnow();
}

void Form1::endnow()
{
    ended = true;
    if (about)
        about->hide();
    platform.endProcess();
}
