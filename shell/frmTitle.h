// The title window: one design shown two ways, as the start-up splash (modeless, no caption,
// no OK button) and as the About box (modal, with the side picture and OK). Both lay the window
// out from the sizes of bitmaps 500-502 and the fitted lengths of texts 10001-10004.
// Thread contract: user-interface thread only.
#pragma once

#include <QDialog>
#include <QLabel>
class QPushButton;
class QWidget;

namespace corvell::shell {

class frmTitle : public QDialog {
    Q_OBJECT

  public:
    explicit frmTitle(QWidget* parent = nullptr);

    // The splash: laid out without room for OK, shown modeless and painted at once.
    void ShowTitle();
    // The About box: caption "About Corvell", shown modally; returns when it is closed.
    void ShowAbout();
    // Lays out the text panel; returns its size in pixels.
    QSize LayoutTitle();

    // For tests and pictures.
    QWidget* textPanel() const { return panel2_; }
    QWidget* sidePanel() const { return panel1_; }
    QPushButton* okButton() const { return ok_; }
    QLabel* kindLabel() const { return kind_; }
    QLabel* copyLabel() const { return copy_; }
    QLabel* revisionLabel() const { return rev_; }
    QLabel* platformLabel() const { return platform_; }
    QLabel* nameImage() const { return name_; }
    int nameWidthL() const { return lastL_; }

  private:
    QLabel* panel1_;
    QWidget* panel2_;
    QLabel* name_;
    QLabel* icon_;
    QLabel* kind_;
    QLabel* rev_;
    QLabel* platform_;
    QLabel* copy_;
    QPushButton* ok_;
    int lastL_ = 0;
};

}  // namespace corvell::shell
