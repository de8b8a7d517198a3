// The main window: the toolbar, the search field, the title list, the count
// line, the note's text, the note buttons and the status line.
#pragma once

#include "core/notebook.h"
#include "core/notecommands.h"
#include "core/session.h"

#include <QWidget>
#include <array>
#include <memory>

class AboutDialog;
class Desktop;
class FontSizeMenu;
class NoteTextBox;
class PictureButton;
class QAction;
class QKeySequence;
class QLabel;
class QLineEdit;
class QListWidget;
class StatusLine;

// Every command is an action that the note commands answer; the window only
// shows the answer, and hands every change to the session, which writes it
// at once. The picked note is the selected row of the title list. While the
// session could not read the notes, nothing that is kept may change.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // Shows the notes the session reads (it may still be reading). The
    // boxes and the clipboard are those of desktop, or of the real desktop
    // when it is null.
    explicit MainWindow(Session &session, Desktop *desktop = nullptr);
    ~MainWindow() override;

    // Back from the task bar and to the front, maximised if it was, with
    // any box that holds it.
    void bringToFront();
    // The notes and font sizes read from the store.
    void takeNotes(const Session::Opening &opening);
    // Minimised when it is the active window, else back to the front.
    void toggle();
    // The notes the window holds, for an export.
    QList<Note> notes() const { return m_notebook.notes(); }
    // Adds notes read elsewhere, as many as there is room for, written at
    // once as one undo step; what was done, or why not. *added is how many,
    // or -1 when the window could take none now.
    QString importNotes(const QList<Note> &notes, const QString &source, int *added);

signals:
    // The exit save is about to begin.
    void closing();
    // The notes are saved, or the user gave up saving them: the program ends.
    void finished();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void dockLeft();
    void dockRight();
    void popUpNoteTextSizes();
    void flushAll();
    void showAll();
    void showAbout();
    void quit();
    void clearNoteText();
    void updateNote();
    void deleteNote();
    void addNote();
    void addNoteFromClipboard();
    void copyNoteToClipboard();
    void search();
    void focusSearchField();
    void showPickedNote();
    void renamePickedNote();
    void tellProblem();
    void undoStep();
    void redoStep();

private:
    QAction *createAction(const QString &text, void (MainWindow::*slot)(),
                          const QKeySequence &shortcut = {});
    void createActions();
    void createToolBar();
    void createSearchRow();
    void createListAndText();
    void createNoteButtons();
    void createStatusLine();
    void createMenus();
    void drawPictures();
    void followSession();
    void writeSettings();
    Session::State currentState() const;
    void writeChanges(const QString &step = QString());
    void offerUndo(const QString &step);
    void takeHistoryStep(const HistoryStep &step, bool undone, Session::Refusal refusal,
                         const QString &reason);
    void showInBox(int note, const QString &text);
    void keepDroppedEdit();
    void followNotes(int at, int removed, int inserted);
    bool mayChangeNotes() const;
    void tellLater(const QString &problem);
    void endSession();

    void present(const NoteCommands::Outcome &outcome);
    void showCountLine();
    int pickedRow() const;

    bool isNormal() const;
    void dockTo(const QRect &frame);
    void holdSmallestSize();
    void layOutWidgets();
    void layOutUnlessMinimized();
    void takeStartWidthOnceFramed();

    std::unique_ptr<Desktop> m_ownDesktop;
    Desktop &m_desktop;
    Session &m_session;
    Notebook m_notebook;
    NoteCommands m_commands;
    bool m_notesRead = false;
    quint64 m_read = 0; // the session's read these notes came from
    QString m_problemToTell;

    QAction *m_dockLeftAction = nullptr;
    QAction *m_dockRightAction = nullptr;
    QAction *m_noteTextSizeAction = nullptr;
    QAction *m_flushAction = nullptr;
    QAction *m_showAllAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_clearAction = nullptr;
    QAction *m_updateAction = nullptr;
    QAction *m_deleteAction = nullptr;
    QAction *m_addAction = nullptr;
    QAction *m_pasteAction = nullptr;
    QAction *m_copyAction = nullptr;
    QAction *m_searchAction = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;

    std::array<PictureButton *, 7> m_toolButtons{};
    std::array<PictureButton *, 6> m_noteButtons{};
    PictureButton *m_searchButton = nullptr;
    QLineEdit *m_searchField = nullptr;
    QListWidget *m_titleList = nullptr;
    QLabel *m_countLine = nullptr;
    NoteTextBox *m_noteText = nullptr;
    StatusLine *m_statusLine = nullptr;
    FontSizeMenu *m_titleListSizes = nullptr;
    FontSizeMenu *m_noteTextSizes = nullptr;
    std::unique_ptr<AboutDialog> m_about;

    // What the box was last filled with, and for which note (-1: none):
    // text that differs from it was typed and is not kept yet.
    QString m_shownText;
    int m_shownNote = -1;
    bool m_historyPending = false; // an undo or a redo asked, not answered yet
    bool m_saving = false;
    bool m_ended = false;
    bool m_frameKnown = false;
    bool m_followsScreen = false;
    QSize m_laidOutFrameSize;
};
