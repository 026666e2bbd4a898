#include "shell/frmTitle.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "core/ProgramValues.h"
#include "resources/Artwork.h"
#include "resources/StringTable.h"
#include "ui/DialogFlags.h"
#include "ui/Fonts.h"
#include "ui/Labels.h"
#include "ui/Twips.h"

namespace corvell::shell {

namespace {

QString resText(int id) {
    return res::LoadResString(id + LanguageOffset());
}

void centreOnScreen(QWidget& w) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect s = screen->geometry();
    w.move((s.width() - w.width()) / 2, (s.height() - w.height()) / 2);
}

}  // namespace

frmTitle::frmTitle(QWidget* parent) : QDialog(parent) {
    setObjectName("frmTitle");
    panel1_ = new QLabel(this);
    panel2_ = new QWidget(this);
    name_ = new QLabel(panel2_);
    icon_ = new QLabel(panel2_);
    kind_ = new QLabel(panel2_);
    rev_ = new QLabel(panel2_);
    platform_ = new QLabel(panel2_);
    copy_ = new QLabel(panel2_);
    ok_ = new QPushButton(QStringLiteral("OK"), panel2_);
    QPalette red = kind_->palette();
    red.setColor(QPalette::WindowText, QColor(128, 0, 0));
    kind_->setPalette(red);
    for (QLabel* l : {kind_, rev_, platform_, copy_}) ui::SetControlFont(l, 9, false);
    ok_->adjustSize();
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

QSize frmTitle::LayoutTitle() {
    panel1_->setPixmap(art::artwork(500));
    panel1_->resize(art::artworkSize(500));
    name_->setPixmap(art::artwork(501));
    name_->resize(art::artworkSize(501));
    icon_->setPixmap(art::artwork(502));
    icon_->resize(art::artworkSize(502));

    const int nameW = name_->width();
    const int nameH = name_->height();
    const int L = ui::roundHalfEven(nameW * 2.2);
    lastL_ = L;
    name_->move((L - nameW) / 2, static_cast<int>(nameH * 1.3));
    const int nameTop = name_->y();

    auto fit = [&](QLabel& label, int id, int16_t size, double wFactor, double hFactor) {
        ui::FitLabelAndCentre(0, &label, resText(id), size, 0, 0, ui::roundHalfEven(L * wFactor),
                              ui::roundHalfEven(nameH * hFactor));
        QFont f = label.font();
        f.setBold(false);
        label.setFont(f);
    };
    fit(*kind_, 10001, 20, 1.6, 0.8);
    kind_->move((L - kind_->width()) / 2, static_cast<int>((nameTop - kind_->height()) * 0.8));

    // The revision and platform lines share one left edge, the pair centred under the name.
    fit(*rev_, 10002, 14, 0.5, 0.6);
    fit(*platform_, 10004, 16, 0.5, 0.6);
    const int pairLeft = (L - std::max(rev_->width(), platform_->width())) / 2;
    rev_->move(pairLeft, nameTop + nameH + 2);
    platform_->move(pairLeft, rev_->y() + rev_->height() + 2);

    icon_->move((L - icon_->width()) / 2, static_cast<int>(nameTop + nameH * 2.5));

    fit(*copy_, 10003, 18, 0.52, 0.8);
    copy_->move((L - copy_->width()) / 2, static_cast<int>(icon_->y() + icon_->height() * 1.2));

    ok_->move(static_cast<int>(copy_->x() + copy_->width() * 0.95),
              static_cast<int>(copy_->y() + copy_->height() * 1.1));
    const int okRoom = ok_->isEnabled() ? ok_->height() : 0;
    panel2_->resize(L + 8, copy_->y() + copy_->height() + okRoom + 8);
    return panel2_->size();
}

void frmTitle::ShowTitle() {
    ok_->setEnabled(false);
    ok_->hide();
    LayoutTitle();
    setWindowTitle(QString());
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    resize(panel2_->size());
    centreOnScreen(*this);
    panel2_->move(0, 0);
    panel1_->hide();
    panel2_->show();
    hide();
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmTitle::ShowAbout() {
    ok_->setEnabled(true);
    ok_->show();
    LayoutTitle();
    setWindowTitle(QStringLiteral("About ") + resText(10000));
    setWindowFlags(ui::fixedDialogFlags(Qt::Dialog));
    // Fixed at the size of its design: the window manager offers neither maximise nor resize.
    setFixedSize(panel2_->width() + panel1_->width(),
                 std::max(panel2_->height(), panel1_->height()));
    panel1_->move(0, 0);
    panel2_->move(panel1_->width(), 0);
    centreOnScreen(*this);
    panel1_->show();
    panel2_->show();
    hide();
    exec();
}

}  // namespace corvell::shell
