// A window with the life cycle the windows are written against: loaded once, asked before it
// closes (with the reason for closing) and unloaded. Everything else is plain QWidget.
// A window with no position of its own yet opens centred over the window named as its owner.
// Windows that may close themselves are reached by others only through FormRef, which reads
// null once the window is gone.
// Thread contract: user-interface thread only.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QCloseEvent;
class QShowEvent;

namespace corvell::ui {

// Why a window is being closed.
enum class UnloadMode {
    UserClose = 0,  // the window's own close box or system menu
    CodeClose = 1,  // the program unloads it
    AppEnding = 2,  // the program is ending and closes every window
};

class Form : public QWidget {
    Q_OBJECT

  public:
    explicit Form(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // Runs onLoad() the first time, and again only after an Unload(). Returns quietly otherwise.
    void Load();
    bool isLoaded() const { return loaded_; }

    // Asks onQueryUnload(mode); when it agrees, hides the window and runs onUnload().
    // Returns false when the window refused (it stays as it was). A window never loaded has
    // nothing to unload and returns true.
    bool Unload(UnloadMode mode = UnloadMode::CodeClose);

    // Until the window has a position of its own, it is shown centred over `owner` and kept on
    // the screen; the place it is first shown at is then its own.
    void setOpensOver(QWidget* owner) { opensOver_ = owner; }
    // The window has a position of its own (a saved one): it is shown where it is.
    void setHasPosition() { hasPosition_ = true; }
    // It has been shown, or given a position of its own.
    bool hasPosition() const { return hasPosition_; }

    bool Visible() const { return isVisible(); }
    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

  signals:
    // After onUnload() has run.
    void unloaded();

  protected:
    virtual void onLoad() {}
    // Return false to keep the window open.
    virtual bool onQueryUnload(UnloadMode /*mode*/) { return true; }
    virtual void onUnload() {}

    // A close from the window system (close box, or a container closing it) is a user close.
    void closeEvent(QCloseEvent* event) override;
    // Places a window with no position of its own before it first appears.
    void showEvent(QShowEvent* event) override;

  private:
    bool loaded_ = false;
    bool unloading_ = false;
    QPointer<QWidget> opensOver_;
    bool hasPosition_ = false;
};

// A reference to a window that becomes null when the window is destroyed.
template <class F>
using FormRef = QPointer<F>;

}  // namespace corvell::ui
