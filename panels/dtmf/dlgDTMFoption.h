// The dialog "DTMF Setting": one tab page per remote-action entry 1..5 (entry 0 has none and is
// kept only in the settings file), with the entry's receive code (only the characters a DTMF
// decoder reports: 0-9, A-D, * and #), its action (show a message,
// start a file, play a sound file) and its text, which the ".." button fills from a file dialog.
// Every change is written into the settings record at once; there is no OK/Cancel pair. A type
// that names no action (from a hand-edited settings file) selects no button and is kept until
// the user picks one. The dialog keeps its position and last tab in section "DATA"; a close of
// the user's own only hides it.
// Thread contract: user-interface thread only.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabBar;

namespace corvell {
class clsDtmfOption;
}

namespace corvell::panels {

class dlgDTMFoption : public ui::Form {
    Q_OBJECT

  public:
    static constexpr int kTabs = 5;

    dlgDTMFoption(clsDtmfOption& option, QWidget* parent = nullptr);

    // Loads the dialog hidden, restores its place and tab, and shows that tab's entry.
    void Init();

    // The entry the selected tab edits (1..5), 0 when no tab is selected.
    int selectedEntry() const;

    QTabBar* tbsDtmfOption() const { return tabs_; }
    QLineEdit* txtDTMFrecieve() const { return txtCode_; }
    QRadioButton* optDTMFtype(int i) const;
    QLineEdit* txtDTMFfile() const { return txtFile_; }
    QPushButton* cmdDTMFref() const { return cmdRef_; }
    QPushButton* cmdOK() const { return cmdOk_; }

    // Section "DATA": the dialog's left and top edge in twips and the selected tab (1-based).
    void SavePlacement();

  protected:
    void onLoad() override;
    bool onQueryUnload(ui::UnloadMode mode) override;
    bool event(QEvent* event) override;
    // Shows the selected entry as the record holds it now, so that leaving the dialog never
    // writes back an entry that was read or changed elsewhere while it was hidden.
    void showEvent(QShowEvent* event) override;

  private:
    void showMembers();
    void controlsChanged();
    void storeMembers();
    void tabClicked();
    void browse();
    void takeEntry(int entry);

    clsDtmfOption& option_;
    QTabBar* tabs_;
    QLabel* label1_;
    QLineEdit* txtCode_;
    std::array<QRadioButton*, 3> optType_{};
    QLineEdit* txtFile_;
    QPushButton* cmdRef_;
    QPushButton* cmdOk_;

    std::string code_;
    int16_t type_ = 0;
    std::string text_;
    bool updating_ = false;
};

}  // namespace corvell::panels
