// The main window: the toolbar, the search field, the title list, the count
// line, the note's text, the note buttons and the status line.
#include "ui/mainwindow.h"

#include "core/windowlayout.h"
#include "ui/aboutdialog.h"
#include "ui/artwork.h"
#include "ui/fontsizemenu.h"
#include "ui/notetextbox.h"
#include "ui/picturebutton.h"
#include "ui/qtdesktop.h"
#include "ui/statusline.h"
#include "ui/windowframe.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QWindow>

namespace
{

// The client size the window is built at; the width gives way to the start
// width at once, the height stays.
constexpr QSize firstClientSize(449, 358);
constexpr int toolbarTop = 5;

void setPointSize(QWidget *widget, qreal points)
{
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}

// A tooltip that names the action's key: the mouse teaches the keyboard.
void setToolTipWithKey(QAction *action, const QString &tip)
{
    action->setToolTip(
        QStringLiteral("%1 (%2)").arg(tip, action->shortcut().toString(QKeySequence::NativeText)));
}

} // namespace

MainWindow::MainWindow(Session &session, Desktop *desktop)
    : m_ownDesktop(desktop ? nullptr : std::make_unique<QtDesktop>(this)),
      m_desktop(desktop ? *desktop : *m_ownDesktop), m_session(session),
      m_commands(m_notebook, m_desktop)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quillbox 1.20"));
    setWindowIcon(Artwork::appIcon());
    resize(firstClientSize);
    setMouseTracking(true);

    createActions();
    createToolBar();
    createSearchRow();
    createListAndText();
    createNoteButtons();
    createStatusLine();
    createMenus();
    drawPictures();

    // Not framed yet: the outer width is the client's until the window
    // manager tells otherwise.
    setOuterSize(this, {WindowLayout::startWidth, frameGeometry().height()});
    layOutWidgets();
    followSession();
    takeNotes(m_session.opening());
}

MainWindow::~MainWindow() = default;

QAction *MainWindow::createAction(const QString &text, void (MainWindow::*slot)(),
                                  const QKeySequence &shortcut)
{
    auto *action = new QAction(text, this);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, slot);
    addAction(action);
    return action;
}

void MainWindow::createActions()
{
    // None takes a key the text box edits with; the text box claims its
    // own keys first anyway.
    m_dockLeftAction = createAction(tr("Dock Quillbox to the left of the screen"),
                                    &MainWindow::dockLeft, Qt::CTRL | Qt::ALT | Qt::Key_Left);
    m_dockRightAction = createAction(tr("Dock Quillbox to the right of the screen"),
                                     &MainWindow::dockRight, Qt::CTRL | Qt::ALT | Qt::Key_Right);
    m_noteTextSizeAction = createAction(tr("Change font size"), &MainWindow::popUpNoteTextSizes,
                                        Qt::CTRL | Qt::SHIFT | Qt::Key_F);
    m_flushAction = createAction(tr("Flush all notes"), &MainWindow::flushAll,
                                 Qt::CTRL | Qt::SHIFT | Qt::Key_Delete);
    m_showAllAction =
        createAction(tr("Show all notes"), &MainWindow::showAll, QKeySequence::Refresh);
    m_aboutAction = createAction(tr("About Quillbox"), &MainWindow::showAbout, Qt::Key_F1);
    m_exitAction =
        createAction(tr("Exit Quillbox"), &MainWindow::quit,
                     // Quit has no binding on some platforms (Qt's offscreen one, for one).
                     QKeySequence::keyBindings(QKeySequence::Quit).value(0, Qt::CTRL | Qt::Key_Q));

    m_clearAction = createAction(tr("Clear Note"), &MainWindow::clearNoteText,
                                 Qt::CTRL | Qt::SHIFT | Qt::Key_N);
    m_updateAction = createAction(tr("Update Note"), &MainWindow::updateNote, QKeySequence::Save);
    m_deleteAction = createAction(tr("Delete Note"), &MainWindow::deleteNote, QKeySequence::Delete);
    m_addAction = createAction(tr("Add new note"), &MainWindow::addNote, QKeySequence::New);
    m_pasteAction = createAction(tr("Add note from clipboard"), &MainWindow::addNoteFromClipboard,
                                 Qt::CTRL | Qt::SHIFT | Qt::Key_V);
    m_copyAction = createAction(tr("Copy note to clipboard"), &MainWindow::copyNoteToClipboard,
                                Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    m_searchAction = createAction(tr("Search"), &MainWindow::search);
    // The text box keeps Ctrl+Z and Ctrl+Shift+Z for its typing: the notes'
    // own undo takes Alt as well, whatever has the focus.
    m_undoAction = createAction(tr("Undo"), &MainWindow::undoStep, Qt::CTRL | Qt::ALT | Qt::Key_Z);
    m_redoAction =
        createAction(tr("Redo"), &MainWindow::redoStep, Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_Z);
    m_undoAction->setEnabled(false);
    m_redoAction->setEnabled(false);
    createAction(tr("Find"), &MainWindow::focusSearchField, QKeySequence::Find);
    createAction(tr("Rename"), &MainWindow::renamePickedNote, Qt::Key_F2);
}

void MainWindow::createToolBar()
{
    // Named by their index, which is not their order on screen.
    const struct {
        int index;
        int left;
        QAction *action;
    } tools[] = {{0, 5, m_dockLeftAction},      {1, 25, m_dockRightAction},
                 {6, 50, m_noteTextSizeAction}, {2, 75, m_flushAction},
                 {3, 95, m_showAllAction},      {4, 120, m_aboutAction},
                 {5, 145, m_exitAction}};
    for (const auto &tool : tools) {
        auto *button = new PictureButton(tool.action, this);
        button->setObjectName(QStringLiteral("icons%1").arg(tool.index));
        button->move(tool.left, toolbarTop);
        // The caption stays until something else writes the status line.
        connect(button, &PictureButton::hovered, this,
                [this, action = tool.action] { m_statusLine->showMessage(action->text()); });
        m_toolButtons[std::size_t(tool.index)] = button;
    }
}

void MainWindow::createSearchRow()
{
    m_searchField = new QLineEdit(this);
    m_searchField->setObjectName(QStringLiteral("searchbox"));
    m_searchField->setAccessibleName(tr("Search text"));
    connect(m_searchField, &QLineEdit::returnPressed, m_searchAction, &QAction::trigger);
    m_searchButton = new PictureButton(m_searchAction, this);
    m_searchButton->setObjectName(QStringLiteral("ico_search"));
    m_searchButton->setAccessibleDescription(tr("Shortcut: Return in the search text"));
}

void MainWindow::createListAndText()
{
    m_titleList = new QListWidget(this);
    m_titleList->setObjectName(QStringLiteral("mainlist"));
    m_titleList->setAccessibleName(tr("Note titles"));
    // Delete takes the picked note only where a title has the focus.
    m_titleList->addAction(m_deleteAction);
    m_deleteAction->setShortcutContext(Qt::WidgetShortcut);
    m_titleList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_titleList->setUniformItemSizes(true);
    QPalette white = m_titleList->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    m_titleList->setPalette(white);
    // Any change of the selection the user makes picks a title, as in a
    // native list box; the window's own refills block the signal.
    connect(m_titleList, &QListWidget::itemSelectionChanged, this, &MainWindow::showPickedNote);
    connect(m_titleList, &QListWidget::itemDoubleClicked, this, &MainWindow::renamePickedNote);
    m_titleList->viewport()->installEventFilter(this);

    m_countLine = new QLabel(this);
    m_countLine->setObjectName(QStringLiteral("Label1"));
    m_countLine->setTextFormat(Qt::PlainText);

    m_noteText = new NoteTextBox(this);
    m_noteText->setObjectName(QStringLiteral("maintextbox"));
    m_noteText->setAccessibleName(tr("Note text"));
    // Tab moves on to the search field, as everywhere else in the window.
    m_noteText->setTabChangesFocus(true);
    // Its font sizes are reached through the toolbar alone.
    m_noteText->setContextMenuPolicy(Qt::NoContextMenu);

    setTabOrder(m_titleList, m_noteText);
    setTabOrder(m_noteText, m_searchField);
    m_titleList->setFocus();
}

void MainWindow::createNoteButtons()
{
    const std::array<QAction *, 6> actions = {m_clearAction, m_updateAction, m_deleteAction,
                                              m_addAction,   m_pasteAction,  m_copyAction};
    for (std::size_t i = 0; i < actions.size(); ++i) {
        m_noteButtons[i] = new PictureButton(actions[i], this);
        m_noteButtons[i]->setObjectName(QStringLiteral("but%1").arg(i));
    }
}

void MainWindow::createStatusLine()
{
    m_statusLine = new StatusLine(this);
    m_statusLine->setObjectName(QStringLiteral("status"));
}

void MainWindow::createMenus()
{
    m_titleListSizes =
        new FontSizeMenu(QStringLiteral("&Mainlist"), QStringLiteral("mainlist_size"), this);
    m_titleListSizes->setObjectName(QStringLiteral("mainlistmenu"));
    connect(m_titleListSizes, &FontSizeMenu::sizeChosen, this, [this](int points) {
        if (!mayChangeNotes())
            return;
        setPointSize(m_titleList, points);
        writeChanges();
    });

    m_noteTextSizes =
        new FontSizeMenu(QStringLiteral("maintextbox"), QStringLiteral("maintextbox_size"), this);
    m_noteTextSizes->setObjectName(QStringLiteral("maintextboxmenu"));
    connect(m_noteTextSizes, &FontSizeMenu::sizeChosen, this, [this](int points) {
        if (!mayChangeNotes())
            return;
        setPointSize(m_noteText, points);
        writeChanges();
    });
}

void MainWindow::drawPictures()
{
    // Drawn for the screen's pixel ratio, so they stay sharp when scaled.
    const qreal ratio = devicePixelRatioF();
    const ImageStrip tools = Artwork::toolbarStrip(ratio);
    for (int i = 0; i < int(m_toolButtons.size()); ++i)
        m_toolButtons[std::size_t(i)]->setPictures(tools.cell(i), tools.cell(i + tools.columns()));
    const ImageStrip notes = Artwork::noteButtonStrip(ratio);
    for (int i = 0; i < int(m_noteButtons.size()); ++i)
        m_noteButtons[std::size_t(i)]->setPictures(notes.cell(i), notes.cell(i + notes.columns()));
    const ImageStrip search = Artwork::searchButtonStrip(ratio);
    m_searchButton->setPictures(search.cell(0), search.cell(1));
}

void MainWindow::followSession()
{
    // What is not safe stays on the status line until it is again.
    connect(&m_session, &Session::conditionChanged, this,
            [this](Session::Condition condition, const QString &reason) {
                switch (condition) {
                case Session::Condition::Unread:
                    m_statusLine->setWarning(tr("Notes not read yet: %1").arg(reason));
                    break;
                case Session::Condition::Failing:
                    m_statusLine->setWarning(tr("Changes not saved: %1").arg(reason));
                    break;
                case Session::Condition::Saved:
                    if (m_statusLine->hasWarning())
                        m_statusLine->liftWarning(m_notesRead ? tr("All changes saved")
                                                              : QString());
                    break;
                case Session::Condition::Reading:
                case Session::Condition::Ended:
                    break;
                }
            });
    connect(&m_session, &Session::notesRead, this, &MainWindow::takeNotes);
    connect(&m_session, &Session::historyMoved, this, &MainWindow::takeHistoryStep);
    connect(&m_session, &Session::historyChanged, this,
            [this](const QString &undoLabel, const QString &redoLabel) {
                m_undoAction->setEnabled(!undoLabel.isEmpty());
                setToolTipWithKey(m_undoAction, tr("Undo: %1").arg(undoLabel));
                m_redoAction->setEnabled(!redoLabel.isEmpty());
                setToolTipWithKey(m_redoAction, tr("Redo: %1").arg(redoLabel));
            });
    connect(&m_session, &Session::historyFailed, this, [this](const QString &reason) {
        m_statusLine->showMessage(tr("Undo history not saved: %1").arg(reason));
    });
    connect(&m_session, &Session::backupFailed, this, [this](const QString &reason) {
        m_statusLine->showMessage(tr("Today's backup of the notes was not made: %1").arg(reason));
    });
    connect(&m_session, &Session::storeReplaced, this, [this](const QString &message) {
        m_statusLine->showMessage(message);
        m_desktop.showMessage(
            {QStringLiteral("quillbox"), message, Desktop::Buttons::Ok, Desktop::Icon::Warning});
    });
}

void MainWindow::takeNotes(const Session::Opening &opening)
{
    setPointSize(m_titleList, opening.titleListPoints);
    setPointSize(m_noteText, opening.noteTextPoints);
    m_notesRead = opening.read;
    m_read = opening.number;
    m_notebook = opening.notebook;
    // The box shows no note of these; what was typed into it stays.
    if (m_noteText->noteText() == m_shownText)
        showInBox(-1, QString());
    m_shownNote = -1;
    present(m_commands.showAll());
    // Told once the window shows, so the user sees what it concerns.
    if (!opening.problem.isEmpty())
        tellLater(opening.problem);
}

void MainWindow::tellLater(const QString &problem)
{
    m_problemToTell = problem;
    QMetaObject::invokeMethod(this, "tellProblem", Qt::QueuedConnection);
}

void MainWindow::tellProblem()
{
    m_desktop.showMessage({QStringLiteral("quillbox"), m_problemToTell, Desktop::Buttons::Ok,
                           Desktop::Icon::Warning});
}

Session::State MainWindow::currentState() const
{
    return {m_notebook.notes(), float(m_titleList->font().pointSizeF()),
            float(m_noteText->font().pointSizeF()), m_read};
}

void MainWindow::writeChanges(const QString &step)
{
    // The session writes on its own thread: the window hands over the
    // notes it shares and goes on.
    m_session.write(currentState(), step);
}

bool MainWindow::mayChangeNotes() const
{
    // Until the notes are read, nothing could be written; the status line
    // says why. An undo under way changes them next.
    return m_notesRead && !m_historyPending;
}

void MainWindow::writeSettings()
{
    // A failed save is never silent; Cancel leaves the store as it was.
    while (!m_session.finish()) {
        const auto answer =
            m_desktop.showMessage({QStringLiteral("quillbox"), m_session.saveProblem(),
                                   Desktop::Buttons::RetryCancel, Desktop::Icon::Critical});
        if (answer != Desktop::Answer::Retry)
            return;
    }
}

void MainWindow::endSession()
{
    m_saving = true;
    emit closing();
    writeSettings();
    m_ended = true;
    if (m_about)
        m_about->hide();
    hide();
    emit finished();
}

void MainWindow::bringToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    // A box that holds the window (the exit save's Retry or Cancel, say) is
    // what the user has to answer: it comes forward too, with the keyboard.
    if (QWidget *box = QApplication::activeModalWidget(); box && box != this) {
        box->raise();
        box->activateWindow();
    }
}

void MainWindow::toggle()
{
    if (isActiveWindow() && !(windowState() & Qt::WindowMinimized))
        showMinimized();
    else
        bringToFront();
}

QString MainWindow::importNotes(const QList<Note> &notes, const QString &source, int *added)
{
    *added = -1;
    if (!mayChangeNotes())
        return m_notesRead ? tr("Quillbox is busy with an undo; try again.")
                           : tr("Quillbox has not read its notes yet; try again later.");
    const int before = m_notebook.count();
    const NoteCommands::Outcome outcome = m_commands.importNotes(notes, source);
    present(outcome);
    showCountLine();
    *added = m_notebook.count() - before;
    return *outcome.status;
}

// ---------------------------------------------------------------- commands

void MainWindow::present(const NoteCommands::Outcome &outcome)
{
    using Rows = NoteCommands::Outcome::Rows;
    // A change the window makes to the list is no pick of the user's.
    const QSignalBlocker quiet(m_titleList);
    switch (outcome.rows) {
    case Rows::Unchanged:
        break;
    case Rows::Refilled:
        m_titleList->clear();
        m_titleList->addItems(m_commands.listedTitles());
        showCountLine();
        break;
    case Rows::Appended:
        m_titleList->addItem(m_commands.titleAt(outcome.row));
        break;
    case Rows::Removed:
        delete m_titleList->takeItem(outcome.row);
        m_titleList->clearSelection();
        break;
    case Rows::Renamed:
        m_titleList->item(outcome.row)->setText(m_commands.titleAt(outcome.row));
        break;
    case Rows::Cleared:
        m_titleList->clear();
        break;
    }
    if (outcome.changed) {
        writeChanges(outcome.step);
        offerUndo(outcome.step);
    } else if (outcome.status) {
        m_statusLine->showMessage(*outcome.status);
    }
}

void MainWindow::offerUndo(const QString &step)
{
    // The session undoes it after writing it, whenever the key comes.
    m_undoAction->setEnabled(true);
    setToolTipWithKey(m_undoAction, tr("Undo: %1").arg(step));
    m_redoAction->setEnabled(false);
    m_statusLine->showMessage(step, m_undoAction);
}

void MainWindow::undoStep()
{
    if (mayChangeNotes() && m_undoAction->isEnabled()) {
        m_historyPending = true;
        m_session.undo();
    }
}

void MainWindow::redoStep()
{
    if (mayChangeNotes() && m_redoAction->isEnabled()) {
        m_historyPending = true;
        m_session.redo();
    }
}

void MainWindow::takeHistoryStep(const HistoryStep &step, bool undone, Session::Refusal refusal,
                                 const QString &reason)
{
    m_historyPending = false;
    switch (refusal) {
    case Session::Refusal::None:
        break;
    case Session::Refusal::NothingToMove:
        return;
    case Session::Refusal::OverLimit:
        m_commands.tellLimit();
        return;
    case Session::Refusal::NotSaved:
        m_statusLine->showMessage(
            tr("Nothing can be undone or redone while changes are not saved."));
        return;
    case Session::Refusal::Failed:
        m_statusLine->showMessage(tr("The undo history could not be used: %1").arg(reason));
        return;
    }
    const NoteCommands::Outcome outcome = m_commands.applyHistory(step, undone);
    followNotes(step.at, int((undone ? step.inserted : step.removed).size()),
                int((undone ? step.removed : step.inserted).size()));
    present(outcome);
    showCountLine();
    {
        const QSignalBlocker quiet(m_titleList);
        m_titleList->setCurrentRow(outcome.row);
    }
    // A dropped edit comes back into the box; otherwise the restored note
    // shows, unless the box holds text typed and not kept yet.
    const int note = m_commands.noteAt(outcome.row);
    if (step.droppedText && undone)
        showInBox(note, *step.droppedText);
    else if (note >= 0 &&
             (m_noteText->noteText() == m_shownText || m_noteText->noteText().isEmpty()))
        showInBox(note, m_notebook.at(note).body);
    m_statusLine->showMessage(*outcome.status, undone ? m_redoAction : m_undoAction);
}

void MainWindow::showInBox(int note, const QString &text)
{
    m_noteText->setNoteText(text);
    m_shownNote = note;
    // As the box reads it back: a dropped edit is a text that differs.
    m_shownText = note >= 0 ? m_noteText->noteText() : QString();
}

void MainWindow::followNotes(int at, int removed, int inserted)
{
    // The box may go on showing a note that left: its text is no note's now.
    if (m_shownNote >= at + removed)
        m_shownNote += inserted - removed;
    else if (m_shownNote >= at)
        m_shownNote = -1;
}

void MainWindow::keepDroppedEdit()
{
    const QString typed = m_noteText->noteText();
    if (!m_notesRead || typed.isEmpty() || typed == m_shownText)
        return;
    const QString label =
        m_shownNote >= 0
            ? tr("Dropped the text typed for \"%1\".").arg(m_notebook.title(m_shownNote))
            : tr("Dropped the text typed in the box.");
    m_session.dropEdit(m_shownNote, typed, label);
    offerUndo(label);
}

void MainWindow::showCountLine()
{
    m_countLine->setText(m_commands.countLine());
}

int MainWindow::pickedRow() const
{
    const QModelIndexList picked = m_titleList->selectionModel()->selectedRows();
    return picked.isEmpty() ? -1 : picked.first().row();
}

void MainWindow::showPickedNote()
{
    // Unsaved edits in the box give way, kept in the undo history.
    keepDroppedEdit();
    showInBox(m_commands.noteAt(pickedRow()), m_commands.bodyAt(pickedRow()));
}

void MainWindow::renamePickedNote()
{
    if (mayChangeNotes())
        present(m_commands.renameNote(pickedRow()));
}

void MainWindow::search()
{
    present(m_commands.search(m_searchField->text()));
}

void MainWindow::focusSearchField()
{
    m_searchField->setFocus(Qt::ShortcutFocusReason);
    m_searchField->selectAll();
}

void MainWindow::showAll()
{
    present(m_commands.showAll());
}

void MainWindow::flushAll()
{
    // The count line keeps its text until the next listing or note button.
    if (!mayChangeNotes())
        return;
    const int count = m_notebook.count();
    const NoteCommands::Outcome outcome = m_commands.flushAll();
    if (outcome.changed)
        followNotes(0, count, 0);
    present(outcome);
}

// Every note button rewrites the count line, whatever its command did.

void MainWindow::clearNoteText()
{
    keepDroppedEdit();
    showInBox(-1, QString());
    showCountLine();
}

void MainWindow::updateNote()
{
    if (mayChangeNotes()) {
        const NoteCommands::Outcome outcome =
            m_commands.updateNote(pickedRow(), m_noteText->noteText());
        present(outcome);
        if (outcome.changed) {
            m_shownNote = m_commands.noteAt(pickedRow());
            m_shownText = m_noteText->noteText();
        }
    }
    showCountLine();
}

void MainWindow::deleteNote()
{
    if (mayChangeNotes()) {
        const int note = m_commands.noteAt(pickedRow());
        const NoteCommands::Outcome outcome = m_commands.deleteNote(pickedRow());
        if (outcome.changed)
            followNotes(note, 1, 0);
        present(outcome);
    }
    showCountLine();
}

void MainWindow::addNote()
{
    if (mayChangeNotes()) {
        const NoteCommands::Outcome outcome = m_commands.addNote(m_noteText->noteText());
        present(outcome);
        if (outcome.changed) {
            m_shownNote = m_notebook.count() - 1;
            m_shownText = m_noteText->noteText();
        }
    }
    showCountLine();
}

void MainWindow::addNoteFromClipboard()
{
    if (mayChangeNotes())
        present(m_commands.addNoteFromClipboard());
    showCountLine();
}

void MainWindow::copyNoteToClipboard()
{
    present(m_commands.copyToClipboard(pickedRow(), m_noteText->noteText()));
    showCountLine();
}

void MainWindow::popUpNoteTextSizes()
{
    m_noteTextSizes->popup(QCursor::pos());
}

void MainWindow::showAbout()
{
    if (!m_about)
        m_about = std::make_unique<AboutDialog>(m_desktop, this);
    m_about->showCentred();
}

void MainWindow::quit()
{
    endSession();
}

// ---------------------------------------------------------------- geometry

bool MainWindow::isNormal() const
{
    return !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void MainWindow::dockTo(const QRect &frame)
{
    setOuterSize(this, {frameGeometry().width(), frame.height() + frameRoundingSlack(this)});
    placeFrame(this, frame.topLeft());
}

void MainWindow::dockLeft()
{
    // Where the window cannot be placed, stretching it alone would look like
    // a docking gone wrong: say why instead.
    if (const QString problem = m_desktop.windowPlacementProblem(); !problem.isEmpty())
        m_statusLine->showMessage(problem);
    else if (isNormal())
        dockTo(dockedLeft(frameGeometry(), m_desktop.workArea()));
}

void MainWindow::dockRight()
{
    if (const QString problem = m_desktop.windowPlacementProblem(); !problem.isEmpty()) {
        m_statusLine->showMessage(problem);
        return;
    }
    if (!isNormal())
        return;
    QRect frame = frameGeometry();
    frame.setWidth(frame.width() - frameRoundingSlack(this));
    dockTo(dockedRight(frame, m_desktop.workArea()));
}

void MainWindow::holdSmallestSize()
{
    // Also the widget's minimum, so that the window manager stops a drag
    // there instead of the window snapping back. The minimum is a client
    // size: the frame's share comes off once known.
    if (!isNormal())
        return;
    const QSize smallest =
        WindowLayout::smallestSize - (frameGeometry().size() - geometry().size());
    if (minimumSize() != smallest)
        setMinimumSize(smallest);
}

void MainWindow::layOutWidgets()
{
    holdSmallestSize();
    // Each step reads the size afresh: a nested run raised by a resize below
    // leaves the same result as one run.
    const QSize smallest = WindowLayout::smallestSize;
    if (frameGeometry().width() < smallest.width())
        setOuterSize(this, {smallest.width(), frameGeometry().height()});
    if (frameGeometry().height() < smallest.height())
        setOuterSize(this, {frameGeometry().width(), smallest.height()});

    const WindowLayout layout = WindowLayout::forOuterSize(frameGeometry().size());
    m_titleList->setGeometry(layout.titleList);
    m_countLine->setGeometry(layout.countLine);
    m_noteText->setGeometry(layout.noteText);
    m_searchField->setGeometry(layout.searchField);
    m_searchButton->move(layout.searchButton);
    for (std::size_t i = 0; i < m_noteButtons.size(); ++i)
        m_noteButtons[i]->move(layout.noteButtons[i]);
    m_statusLine->setGeometry(layout.statusLine);
    m_laidOutFrameSize = frameGeometry().size();
}

void MainWindow::layOutUnlessMinimized()
{
    // Nothing is laid out while minimised; restoring lays out again.
    if (!(windowState() & Qt::WindowMinimized))
        layOutWidgets();
}

void MainWindow::takeStartWidthOnceFramed()
{
    // The start width is an outer width; until the window manager frames
    // the window it could only be given to the client.
    if (m_frameKnown || frameGeometry().size() == geometry().size())
        return;
    m_frameKnown = true;
    holdSmallestSize();
    if (!m_ended && isNormal() && frameGeometry().width() != WindowLayout::startWidth &&
        geometry().width() == WindowLayout::startWidth)
        setOuterSize(this, {WindowLayout::startWidth, frameGeometry().height()});
}

// ---------------------------------------------------------------- events

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_frameKnown) {
        whenFramed(this, [this] {
            takeStartWidthOnceFramed();
            if (frameGeometry().size() != m_laidOutFrameSize)
                layOutUnlessMinimized();
        });
    }
    if (QWindow *handle = windowHandle(); handle && !m_followsScreen) {
        m_followsScreen = true;
        connect(handle, &QWindow::screenChanged, this, &MainWindow::drawPictures);
    }
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    takeStartWidthOnceFramed();
    layOutUnlessMinimized();
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    takeStartWidthOnceFramed();
    // The window manager tells the frame's size with a move: lay out again
    // when the outer size changed without a resize of the client.
    if (frameGeometry().size() != m_laidOutFrameSize)
        layOutUnlessMinimized();
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Restoring a minimised window need not resize it, yet nothing was laid
    // out while it was minimised.
    if (event->type() == QEvent::WindowStateChange)
        layOutUnlessMinimized();
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over child widgets travel up here too; only the bare surface
    // clears the status line.
    if (!childAt(event->position().toPoint()))
        m_statusLine->showMessage(QString());
    QWidget::mouseMoveEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_titleList->viewport() && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
        // A right press opens the list's sizes and picks nothing.
        m_titleListSizes->popup(QCursor::pos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A close that arrives while the save asks Retry or Cancel (a signal, a
    // logout) waits for that answer: the save under way ends the program.
    if (m_saving && !m_ended) {
        event->ignore();
        return;
    }
    if (!m_ended)
        endSession();
    event->accept();
}
