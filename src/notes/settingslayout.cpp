#include "settingslayout.h"

#include "heapreserve.h"
#include "settingsstore.h"

#include <QHash>
#include <QLocale>

#include <cmath>

namespace
{

const QString general = QStringLiteral("general");
const QString notes = QStringLiteral("notes");
const QString notetotal = QStringLiteral("notetotal");
const QString mainlistsize = QStringLiteral("mainlistsize");
const QString maintextboxsize = QStringLiteral("maintextboxsize");
const QString notetitle = QStringLiteral("notetitle");
const QString notecontent = QStringLiteral("notecontent");

constexpr float defaultSize = 8;

// The stored count: blanks around it, an optional sign and decimal digits.
// Anything else reads as 0; a negative count as 0; one above maxnotes (however
// large) as maxnotes.
int texttocount(const QString &text, int maxnotes)
{
    QStringView s = QStringView(text).trimmed();
    bool negative = false;
    if (!s.isEmpty() && (s.front() == u'-' || s.front() == u'+')) {
        negative = s.front() == u'-';
        s = s.mid(1);
    }
    if (s.isEmpty())
        return 0;
    qint64 value = 0;
    for (QChar c : s) {
        if (c < u'0' || c > u'9')
            return 0;
        if (value <= maxnotes)
            value = value * 10 + (c.unicode() - u'0');
    }
    if (negative)
        return 0;
    return int(std::min<qint64>(value, maxnotes));
}

bool readNumber(const QLocale &locale, const QString &text, double *out)
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (ok)
        *out = value;
    return ok;
}

} // namespace

QString sizetotext(float size)
{
    // QString::number ignores the locale: always a full stop.
    return QString::number(double(size), 'g', 7);
}

float texttosize(const QString &text, float fallback)
{
    const QString trimmed = text.trimmed();
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    QLocale local;
    local.setNumberOptions(QLocale::RejectGroupSeparator);
    double value = 0;
    if (!readNumber(c, trimmed, &value) && !readNumber(local, trimmed, &value))
        return fallback;
    if (!std::isfinite(value) || value < 1 || value > 100)
        return fallback;
    return float(value);
}

StoredSettings loadsettings(SettingsStore &store, const QString &appname, int maxnotes)
{
    StoredSettings result;
    const int count =
        texttocount(store.read(appname, general, notetotal, QStringLiteral("0")), maxnotes);
    result.mainlistsize =
        texttosize(store.read(appname, general, mainlistsize, QStringLiteral("8")), defaultSize);
    result.maintextboxsize =
        texttosize(store.read(appname, general, maintextboxsize, QStringLiteral("8")), defaultSize);
    store.write(appname, notes, QStringLiteral("temp"), QStringLiteral("-"));
    if (count <= 0)
        return result;

    // One pass over the section instead of 2 * count point look-ups.
    QHash<QString, QString> stored;
    reserveheap(store.bytesInUse());
    const auto rows = store.readSection(appname, notes);
    stored.reserve(rows.size());
    for (const auto &[key, value] : rows)
        stored.insert(key, value);
    // The texts now live in our strings; the file's pages that were read to
    // make them would otherwise stay mapped as a second copy of every note.
    store.releaseMemory();

    const QString defaultTitle = QStringLiteral("Your note");
    const QString defaultContent = QStringLiteral("note");
    result.titles.reserve(count);
    result.contents.reserve(count);
    for (int k = 1; k <= count; ++k) {
        const QString index = QString::number(k);
        result.titles.append(stored.value(notetitle + index, defaultTitle));
        result.contents.append(stored.value(notecontent + index, defaultContent));
    }
    return result;
}

bool savesettings(SettingsStore &store, const QString &appname, const StoredSettings &settings)
{
    if (!store.begin())
        return false;
    const qsizetype count = settings.titles.size();
    bool ok = store.write(appname, general, notetotal, QString::number(count)) &&
              store.write(appname, general, mainlistsize, sizetotext(settings.mainlistsize)) &&
              store.write(appname, general, maintextboxsize, sizetotext(settings.maintextboxsize));
    if (ok) {
        QList<std::pair<QString, QString>> section;
        section.reserve(2 * count);
        for (qsizetype i = 0; i < count; ++i) {
            const QString index = QString::number(i + 1);
            section.emplace_back(notetitle + index, settings.titles.at(i));
            section.emplace_back(notecontent + index, settings.contents.value(i));
        }
        ok = store.replaceSection(appname, notes, section);
    }
    if (ok && store.commit())
        return true;
    store.rollback();
    return false;
}
