#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

#include <optional>

class QAbstractButton;
class QCloseEvent;
class QKeyEvent;

namespace forms {

void CenterForm(QWidget &window);

// Why a form is being unloaded, as Form_QueryUnload is told. The numbers are
// the ones the course's handlers were written against.
enum UnloadReason : int
{
    ControlMenuClose = 0, // the title-bar close box
    CodeUnload = 1,       // Unload() called by the program
    OwnerUnload = 5,      // the form's owner is unloading
};

// The designed window borders.
enum FormBorder : int
{
    NoBorder = 0,
    FixedSingle = 1,
    Sizable = 2,
    FixedDialog = 3,
    FixedToolWindow = 4,
    SizableToolWindow = 5,
};

// A designed window: constructed with its form name, loaded once, shown modal
// (a nested event loop) or modeless, hidden, and unloaded once.
//
// Life of a form object:
//   construct -> set public variables -> Load() (Form_Load runs, nothing shows)
//   -> Show() / Hide() any number of times -> Unload() (the form asks
//   Form_QueryUnload, then runs Form_Unload) -> the object stays valid, so a
//   caller can still read Tag or a public variable, until its owner deletes it.
// A form loads only once in its life: Load() or Show() on a form that has
// been unloaded raises run-time error 364 "Object was unloaded". A caller that
// wants the window again makes a new object, which starts as designed.
//
// Every way of closing goes through the same query: Unload() from code, the
// title-bar close box (closeEvent) and QDialog::reject(). A form's close never
// quits the application; the program ends only through services::EndProgram.
// Escape presses the cancel button when the form has one, and otherwise does
// nothing; Enter presses the default button (or the focused push button).
//
// Geometry is in twips (15 to a pixel). Left, Top, Width and Height are the
// outer window, frame included; ScaleWidth and ScaleHeight are the client
// area, which is what the window designs give. The window system tells the
// frame only after a window is shown (and a window manager perhaps some time
// later), so an outer size asked before that is kept and asked again once the
// frame is known, and a form that CenterForm centred is centred again; a
// client size, or a position the program sets, replaces what was kept.
class Form : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form)

public:
    explicit Form(const QString &name, QWidget *parent = nullptr);
    ~Form() override; // does not run Form_Unload; forgets the form if loaded

    QString Name() const { return m_name; }

    // Runs Form_Load once without showing; a second call does nothing. The
    // form counts as loaded (and can be found by name) from the moment
    // Form_Load starts, so an error it raises leaves a loaded form behind.
    void Load();

    // Loads first if needed. Modal: returns when the form is hidden or
    // unloaded; showing modally a form that is already shown raises run-time
    // error 400. Modeless: shows, raises and activates the form and returns.
    // An owner keeps the form above it, and unloading the owner unloads the
    // form first (with OwnerUnload).
    void Show(bool modal = false, Form *owner = nullptr);

    // Hides the form; it stays loaded. Ends a modal Show.
    void Hide();

    // Asks Form_QueryUnload(cancel, reason), then unloads the forms this one
    // owns, then runs Form_Unload(cancel); only when nothing cancelled does it
    // hide the form, mark it unloaded and forget its name. Returns whether the
    // form is unloaded afterwards; a form that is not loaded is left alone.
    bool Unload(int reason = CodeUnload);

    bool isLoaded() const { return m_state == State::Loaded; }
    bool isUnloaded() const { return m_state == State::Unloaded; }
    Form *Owner() const { return m_owner; }

    // For forms that nobody holds (a modeless window left to the learner):
    // the object deletes itself, later, once it is unloaded.
    void setDeleteOnUnload(bool on) { m_deleteOnUnload = on; }

    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    QString Caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }
    bool Visible() const { return isVisible(); }

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void Move(int left, int top);
    void Move(int left, int top, int width, int height);
    int ScaleWidth() const;
    int ScaleHeight() const;
    void setClientSize(int widthTwips, int heightTwips);

    // Border and title-bar buttons decide the window flags; set them before
    // the form is first shown. Minimise and maximise buttons are off unless
    // asked for; a fixed border keeps the size that the program sets. A form
    // without a minimise button that the window system minimises all the same
    // (a window manager may offer the box anyway, and take the form's owner
    // or owned forms with it) comes straight back.
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    bool ControlBox() const { return m_controlBox; }
    void setControlBox(bool on);
    bool MinButton() const { return m_minButton; }
    void setMinButton(bool on);
    bool MaxButton() const { return m_maxButton; }
    void setMaxButton(bool on);
    // The program's main window: a top-level window with a taskbar button of
    // its own, rather than a dialog that the window system keeps above
    // another window. Off by default.
    bool ShowInTaskbar() const { return m_showInTaskbar; }
    void setShowInTaskbar(bool on);

    // &HBBGGRR
    quint32 BackColor() const { return m_backColor; }
    void setBackColor(quint32 bgr);

    // Enter presses the default button, Escape the cancel button (one button
    // may be both); either may be null.
    void setDefaultButton(QAbstractButton *button);
    void setCancelButton(QAbstractButton *button);

public slots:
    // Goes through the unload query instead of simply hiding.
    void reject() override;

protected:
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(bool &Cancel, int UnloadMode);
    virtual void Form_Unload(bool &Cancel);

    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend void CenterForm(QWidget &window);

    enum class State
    {
        NotLoaded,
        Loaded,
        Unloaded
    };

    void ensureLoadable() const;
    bool unloadOwnedForms();
    void applyClientSize(QSize size);
    void applyWindowFlags();
    QSize frameExtra() const;
    void applyOuterSize();
    void followFrame();

    QString m_name;
    QString m_tag;
    State m_state = State::NotLoaded;
    bool m_unloading = false;
    bool m_deleteOnUnload = false;
    QPointer<Form> m_owner;
    int m_borderStyle = Sizable;
    bool m_controlBox = true;
    bool m_minButton = false;
    bool m_maxButton = false;
    bool m_showInTaskbar = false;
    // The outer size the program asked, in pixels, per side it asked for.
    std::optional<int> m_outerWidth;
    std::optional<int> m_outerHeight;
    // The frame that the outer size and the centring were last worked out with.
    QSize m_knownFrame;
    bool m_centred = false;
    bool m_frameCheckQueued = false;
    bool m_restoreQueued = false;
    quint32 m_backColor;
    QPointer<QAbstractButton> m_defaultButton;
    QPointer<QAbstractButton> m_cancelButton;
};

} // namespace forms
