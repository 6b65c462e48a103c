#include "app/About.h"

#include "app/DialogPanel.h"
#include "app/TitlePicture.h"
#include "app/WindowLook.h"
#include "platform/ProductInfo.h"
#include "widgets/FlatPictureButton.h"
#include "widgets/HyperlinkLabel.h"

#include <QLabel>
#include <QShowEvent>

namespace {

constexpr QSize kClientSize(332, 324);
constexpr QRect kPanelRect(5, 5, 323, 290);
constexpr QPoint kPicturePos(11, 8);
constexpr QRect kNoteRect(22, 197, 266, 56);
constexpr QRect kLinkRect(102, 262, 118, 14);
constexpr QRect kCloseRect(108, 298, 115, 25);

const char kNote[] = QT_TRANSLATE_NOOP(
    "TAboutBox",
    "Brindlecrest Software, LLC creates award-winning financial calculators for consumers, "
    "professionals and companies in the banking, real estate, investment, mortgage and financial "
    "services industries.");

// The OK button keeps the system's classic dialog face; without it, its metric
// twin of Arial stands in.
QFont buttonFont() {
    QFont font = WindowLook::windowFont();
    font.setFamilies(QStringList{QStringLiteral("MS Sans Serif")} + font.families());
    return font;
}

// A plain label that sizes itself to its text, like the others on the panel.
QLabel* addLabel(QWidget* panel, const char* name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : FixedDialog(parent, kClientSize) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About ..."));

    auto* panel = new DialogPanel(this);
    panel->setObjectName(QStringLiteral("pnlAbout"));
    panel->setGeometry(kPanelRect);

    auto* picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("imgTitle"));
    picture->setGeometry(QRect(kPicturePos, kTitlePictureSize));
    picture->setPixmap(titlePicture(devicePixelRatioF()));

    // Created after the picture, so they lie over its white lower part.
    addLabel(panel, "lblVersionCaption", tr("Version:"), {22, 131});
    lblVersion = addLabel(panel, "lblVersion", QStringLiteral("1.0.01"), {72, 131});
    addLabel(panel, "lblCompileDateCaption", tr("Compile Date:"), {22, 145});
    lblCompileDate = addLabel(panel, "lblCompileDate", QStringLiteral("01/01/2000"), {94, 145});
    lblCopyright = addLabel(panel, "lblCopyright", QStringLiteral("Copyright"), {22, 159});

    auto* note = new QLabel(tr(kNote), panel);
    note->setObjectName(QStringLiteral("lblComments"));
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setGeometry(kNoteRect);

    auto* web = new HyperlinkLabel(QString::fromUtf8(ProductInfo::kWebHomeCaption),
                                   QString::fromUtf8(ProductInfo::kWebHome), panel);
    web->setObjectName(QStringLiteral("UrlWeb"));
    // The designed box is centred on the panel; a longer address widens it
    // about the same centre instead of being cut off.
    QRect link = kLinkRect;
    link.setWidth(qMax(link.width(), web->sizeHint().width()));
    link.moveCenter(QPoint(kLinkRect.center().x(), link.center().y()));
    web->setGeometry(link);
    web->setStatusTip(tr(" Click to visit Brindlecrest' website ..."));
    web->setOpener(&FixedDialog::openAddress);

    addCloseButton(kCloseRect, tr("Close About Window"))->setFont(buttonFont());
}

void TAboutBox::showEvent(QShowEvent* event) {
    FormShow();
    FixedDialog::showEvent(event);
}

void TAboutBox::FormShow() {
    setWindowTitle(
        tr(" About %1, %2")
            .arg(QString::fromUtf8(ProductInfo::kTitle), QString::fromUtf8(ProductInfo::kVersion)));
    lblVersion->setText(QString::fromUtf8(ProductInfo::kVersion));
    lblVersion->adjustSize();
    lblCompileDate->setText(QString::fromUtf8(ProductInfo::kBuildDate));
    lblCompileDate->adjustSize();
    lblCopyright->setText(QString::fromUtf8(ProductInfo::kCopyright));
    lblCopyright->adjustSize();
}
