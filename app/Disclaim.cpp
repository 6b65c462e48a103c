#include "app/Disclaim.h"

#include "app/DialogPanel.h"

#include <QLabel>

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
    : FixedDialog(parent, kClientSize) {
    setObjectName(QStringLiteral("frmDisclaim"));
    setWindowTitle(tr("Disclaimer"));

    auto* panel = new DialogPanel(this);
    panel->setObjectName(QStringLiteral("pnlDisclaim"));
    panel->setGeometry(kPanelRect);

    addLabel(panel, "lblIntro",
             tr("Though effort was made to ensure the accuracy of these calculations,"),
             QRect(51, 8, 190, 28), false);
    addLabel(panel, "lblNote", tr("NOTE:"), QRect(11, 38, 0, 0), true);
    addLabel(panel, "lblWarning",
             tr("there is  NO WARRANTY,  expressed or implied, for the accuracy or "
                "applicability of this information to your particular financial "
                "question."),
             QRect(51, 38, 200, 56), true);
    addLabel(panel, "lblAdvice",
             tr("Please consult your own financial advisor before making any "
                "financial decision."),
             QRect(51, 96, 205, 28), false);

    addCloseButton(kCloseRect, tr("Close Disclaimer window."));
}
