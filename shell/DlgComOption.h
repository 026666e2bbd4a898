// The COM-port dialog: the user picks COM 1..10 through the receiver object's port. Modal with
// Cancel disabled (Esc inert) on the first run, modeless from the menu; the list is disabled
// while the receiver is on; OK writes the port only when it changed.
// Thread contract: user-interface thread only.
#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace corvell {
class frmTesselbase;
class clsSettingTessel;
}  // namespace corvell

namespace corvell::shell {

class DlgComOption : public QDialog {
    Q_OBJECT

  public:
    DlgComOption(frmTesselbase& receiver, const clsSettingTessel& settings,
                 QWidget* parent = nullptr);

    // Fills the list, selects the receiver's port, and disables Cancel on the first run.
    void LoadDialog();

    QComboBox* portList() const { return cboCom_; }
    QPushButton* okButton() const { return cmdOk_; }
    QPushButton* cancelButton() const { return cmdCancel_; }

  public slots:
    void reject() override;

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void onOk();
    void activated();

    frmTesselbase& receiver_;
    const clsSettingTessel& settings_;
    QComboBox* cboCom_;
    QPushButton* cmdOk_;
    QPushButton* cmdCancel_;
};

}  // namespace corvell::shell
