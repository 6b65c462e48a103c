#include "app/Disclaim.h"

#include "app/DialogPanel.h"
#include "widgets/FlatPictureButton.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>

TfrmDisclaim* frmDisclaim = nullptr;

namespace {

constexpr QSize kClientSize(281, 159);
constexpr QRect kPanelRect(0, 0, 281, 131);
constexpr QRect kCloseRect(83, 133, 115, 25);

// A transparent plain-text label; a null size lets it size itself to its text.
QLabel* addLabel(QWidget* panel, const char* name, const QString& text, const QRect& geometry,
                 bool warning) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(QString::fromLatin1(name));
    // Plain text keeps the doubled blanks of the warning.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (warning) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        QPalette red = label->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        label->setPalette(red);
    }
    if (geometry.size().isEmpty()) {
        label->setWordWrap(false);
        label->move(geometry.topLeft());
        label->adjustSize();
    } else {
        label->setGeometry(geometry);
    }
    return label;
}

} // namespace

TfrmDisclaim::TfrmDisclaim(QWidget* parent)
    : QDialog(parent, DialogPanel::fixedDialogFlags()) {
    setObjectName(QStringLiteral("frmDisclaim"));
    setWindowTitle(QStringLiteral("Disclaimer"));
    setFont(DialogPanel::dialogFont());
    setFixedSize(kClientSize);
    setSizeGripEnabled(false);

    auto* panel = new DialogPanel(this);
    panel->setObjectName(QStringLiteral("pnlDisclaim"));
    panel->setGeometry(kPanelRect);

    addLabel(panel, "lblIntro",
             QStringLiteral("Though effort was made to ensure the accuracy of these calculations,"),
             QRect(51, 8, 190, 28), false);
    addLabel(panel, "lblNote", QStringLiteral("NOTE:"), QRect(11, 38, 0, 0), true);
    addLabel(panel, "lblWarning",
             QStringLiteral("there is  NO WARRANTY,  expressed or implied, for the accuracy or "
                            "applicability of this information to your particular financial "
                            "question."),
             QRect(51, 38, 200, 56), true);
    addLabel(panel, "lblAdvice",
             QStringLiteral("Please consult your own financial advisor before making any "
                            "financial decision."),
             QRect(51, 96, 205, 28), false);

    btnClose = new FlatPictureButton(QIcon(QStringLiteral(":/icons/ok.svg")), QSize(18, 18),
                                     QStringLiteral(" &OK"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(kCloseRect);
    btnClose->setStatusTip(QStringLiteral("Close Disclaimer window."));
    connect(btnClose, &FlatPictureButton::clicked, this, &TfrmDisclaim::BtnCloseClick);
    btnClose->setFocus();
}

TfrmDisclaim::~TfrmDisclaim() {
    if (frmDisclaim == this)
        frmDisclaim = nullptr;
}

void TfrmDisclaim::showEvent(QShowEvent* event) {
    DialogPanel::centreOnScreen(this);
    QDialog::showEvent(event);
}

void TfrmDisclaim::keyPressEvent(QKeyEvent* event) {
    if (DialogPanel::isPlainEnter(event)) {
        BtnCloseClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmDisclaim::BtnCloseClick() {
    accept();
}
