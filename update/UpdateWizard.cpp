#include "update/UpdateWizard.h"

#include "platform/Application.h"
#include "platform/FontFamilies.h"
#include "platform/ProductInfo.h"
#include "update/UpdateWindows.h"
#include "update/WebFileInfo.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QTimer>
#include <cmath>

namespace {

constexpr char kUpdateUrlVariable[] = "TALLOWMERE_UPDATE_URL";

QFont windowFont11(bool bold = false) {
    QFont font;
    font.setFamilies(windowFontFamilies());
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

void setColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

// The wizard's picture: a globe with an arrow coming down from it, in the
// lower right of its area so that the labels beside it stay clear.
QPixmap wizardPicture() {
    QPixmap picture(144, 155);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF globe(44, 48, 92, 92);
    QRadialGradient sea(globe.center() - QPointF(14, 14), 64);
    sea.setColorAt(0, QColor(120, 170, 235));
    sea.setColorAt(1, QColor(20, 70, 160));
    p.setPen(QPen(QColor(20, 50, 120), 2));
    p.setBrush(sea);
    p.drawEllipse(globe);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.2));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const double w = globe.width() * i / 4;
        p.drawEllipse(QRectF(globe.center().x() - w / 2, globe.top(), w, globe.height()));
        const double y = globe.top() + globe.height() * i / 4;
        const double half = std::sqrt(46.0 * 46.0 - std::pow(y - globe.center().y(), 2));
        p.drawLine(QPointF(globe.center().x() - half, y), QPointF(globe.center().x() + half, y));
    }
    const double x = globe.center().x();
    QPainterPath arrow;
    arrow.moveTo(x - 9, 92);
    arrow.lineTo(x + 9, 92);
    arrow.lineTo(x + 9, 124);
    arrow.lineTo(x + 22, 124);
    arrow.lineTo(x, 152);
    arrow.lineTo(x - 22, 124);
    arrow.lineTo(x - 9, 124);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(20, 90, 20), 2));
    p.setBrush(QColor(60, 170, 60));
    p.drawPath(arrow);
    return picture;
}

// Labels that are not of fixed size grow to their text, as the stored
// layout's labels do; right-aligned ones keep their right edge.
void fitLabel(QLabel* label, int width) {
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
    const int right = label->geometry().right();
    const bool rightAligned = label->alignment().testFlag(Qt::AlignRight);
    label->resize(std::max(width, needed), label->height());
    if (rightAligned)
        label->move(right - label->width() + 1, label->y());
}

} // namespace

TfrmUpdate::TfrmUpdate(TWebFileInfo& info, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_info(info) {
    setObjectName(QStringLiteral("frmUpdate"));
    setWindowTitle(tr("%1's Update Wizard").arg(QLatin1String(ProductInfo::kMaker)));
    setFont(windowFont11());
    setFixedSize(411, 220);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(6, 6, 399, 186);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(white);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(238, 25, 144, 155);
    Image1->setTextFormat(Qt::PlainText);
    Image1->setPixmap(wizardPicture());

    const QColor black(Qt::black), blue(Qt::blue), silver(0xc0, 0xc0, 0xc0);
    Label7 = addLabel("Label7", 17, 14, 107, tr("Current Application"), black);
    Label7->setFont(windowFont11(true));
    Label1 = addLabel("Label1", 64, 34, 86, tr("Application Name:"), black, true);
    lblApplicationName = addLabel("lblApplicationName", 156, 34, 171,
                                  u' ' + QLatin1String(ProductInfo::kTitle), blue);
    Label2 = addLabel("Label2", 98, 53, 52, tr("Developer:"), black, true);
    lblDeveloper = addLabel("lblDeveloper", 156, 53, 139,
                            u' ' + QLatin1String(ProductInfo::kMakerLegal), blue);
    Label8 = addLabel("Label8", 43, 72, 107, tr("Your Current Version:"), black, true);
    lblCurrentVersion = addLabel("lblCurrentVersion", 157, 72, 80, tr(" Current Version"), blue);
    Label10 = addLabel("Label10", 46, 91, 104, tr("Current Compile Date:"), black, true);
    lblCurrentCompileDate =
        addLabel("lblCurrentCompileDate", 157, 91, 104, tr(" Current Compile Date"), blue);
    Label5 = addLabel("Label5", 243, 95, 89, tr("Online Information:"), black, true);
    lblReadMe = addLabel("lblReadMe", 339, 96, 250, tr("Status Unknown"), silver);
    Label6 = addLabel("Label6", 257, 115, 75, tr("Download URL:"), black, true);
    lblURL = addLabel("lblURL", 339, 115, 250, tr("Status Unknown"), silver);
    for (QLabel* hidden : {Label5, lblReadMe, Label6, lblURL})
        hidden->hide();
    lblUpdateStatus =
        addLabel("lblUpdateStatus", 17, 123, 137, tr("Update Status:  Unknown"), black);
    lblUpdateStatus->setFont(windowFont11(true));
    Label4 = addLabel("Label4", 17, 145, 133, tr("Newest Version on Server:"), black, true);
    lblVersion = addLabel("lblVersion", 157, 145, 80, tr("Status Unknown"), silver);
    Label3 = addLabel("Label3", 18, 163, 132, tr("New Version Compile Date:"), black, true);
    lblDate = addLabel("lblDate", 157, 163, 80, tr("Status Unknown"), silver);
    Image1->lower(); // the labels stay readable where they overlap the picture

    QStyle* s = style();
    btnCheckForUpdate =
        addButton("btnCheckForUpdate", 6, 133, tr("Check for &Update"), tr(" Check for Update ..."),
                  s->standardIcon(QStyle::SP_BrowserReload));
    btnRetrieveUpdate =
        addButton("btnRetrieveUpdate", 140, 127, tr(" &Retrieve Update"),
                  tr(" Retrieve Update ..."), s->standardIcon(QStyle::SP_ArrowDown));
    btnClose = addButton("btnClose", 268, 137, tr(" &Close Update Wizard"),
                         tr("Close Update Center"), s->standardIcon(QStyle::SP_DialogCloseButton));
    btnCheckForUpdate->hide();
    btnRetrieveUpdate->hide();
    btnClose->setDefault(true);
    connect(btnCheckForUpdate, &QPushButton::clicked, this, &TfrmUpdate::CheckUpdate);
    connect(btnRetrieveUpdate, &QPushButton::clicked, this, &TfrmUpdate::RetrieveUpdate);
    connect(btnClose, &QPushButton::clicked, this, &TfrmUpdate::CloseUpdateCenter);

    centreOnScreen(this);
    FormCreate();
}

QLabel* TfrmUpdate::addLabel(const char* name, int left, int top, int width, const QString& caption,
                             const QColor& colour, bool rightAligned) {
    auto* label = new QLabel(caption, Panel1);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(left, top, width, 14);
    label->setFont(windowFont11());
    // Values come from the server: shown as they are written, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment((rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    setColour(label, colour);
    label->setProperty("layoutWidth", width);
    setLabelText(label, caption);
    return label;
}

QPushButton* TfrmUpdate::addButton(const char* name, int left, int width, const QString& caption,
                                   const QString& hint, const QIcon& icon) {
    auto* button = new QPushButton(icon, caption, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 194, width, 25);
    button->setToolTip(hint);
    button->setIconSize(QSize(16, 16));
    button->setAutoDefault(false);
    return button;
}

void TfrmUpdate::setLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    if (label != lblReadMe && label != lblURL) // these two keep a fixed size
        fitLabel(label, label->property("layoutWidth").toInt());
}

void TfrmUpdate::FormCreate() {
    setLabelText(lblCurrentVersion, QLatin1String(ProductInfo::kVersion));
    setLabelText(lblCurrentCompileDate, QLatin1String(ProductInfo::kBuildDate));
}

void TfrmUpdate::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_firstShown)
        return;
    m_firstShown = true;
    // The first check runs once the wizard is up (its own activation counts
    // as this one, however the window system reports it).
    QTimer::singleShot(0, this, &TfrmUpdate::CheckUpdate);
}

bool TfrmUpdate::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate && !m_checking)
        m_left = true;
    if (event->type() == QEvent::WindowActivate && m_left && !m_checking) {
        m_left = false;
        QTimer::singleShot(0, this, &TfrmUpdate::CheckUpdate);
    }
    return QDialog::event(event);
}

void TfrmUpdate::CheckUpdate() {
    if (m_checking)
        return;
    m_checking = true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    bool hourglass = true;
    const auto normalCursor = [&hourglass] {
        if (hourglass)
            QGuiApplication::restoreOverrideCursor();
        hourglass = false;
    };
    const auto done = qScopeGuard([&] {
        normalCursor();
        m_checking = false;
    });

    if (!m_info.GetInfo()) {
        normalCursor();
        Application::instance()->dialogs().showMessage(tr("Get Info failed due to:\r\n") +
                                                       m_info.LastError());
        return;
    }
    setColour(lblUpdateStatus, Qt::red);
    setLabelText(lblUpdateStatus, tr("Update Information"));
    const std::pair<QLabel*, QString> values[] = {{lblDate, m_info.ProductDateStr()},
                                                  {lblVersion, m_info.ProductVersion()},
                                                  {lblReadMe, m_info.ProductReadMe()},
                                                  {lblURL, m_info.DownloadURL()}};
    for (const auto& [label, text] : values) {
        setColour(label, Qt::blue);
        setLabelText(label, text);
    }
    if (IsUpdateAvailable())
        btnRetrieveUpdate->show();
    else
        setLabelText(lblUpdateStatus, tr("No Updated Version Available"));
}

bool TfrmUpdate::IsUpdateAvailable() const {
    return UpdateInfo::IsNewerVersion(QLatin1String(ProductInfo::kVersion), lblVersion->text(),
                                      TWfiVersionFormat::wfivBuildNumber);
}

void TfrmUpdate::RetrieveUpdate() {
    if (m_info.Active())
        m_info.Execute();
}

void TfrmUpdate::CloseUpdateCenter() {
    accept();
}

TWebFileInfo* createProgramWebFileInfo(QWidget* owner) {
    auto* info = new TWebFileInfo(owner);
    info->setCurrentVersion(QLatin1String(ProductInfo::kVersion));
    info->setHomeURL(QLatin1String(kUpdatePage));
    const QString override = qEnvironmentVariable(kUpdateUrlVariable);
    if (!override.isEmpty())
        info->setHomeURL(override);
    info->InfoTags() = TWfiTags::programTags();
    info->setOptions(wfioDisplayUI | wfioDisplayReadMe | wfioRunUpdate | wfioExitDuringUpdate);
    info->setUIFont(windowFont11());
    return info;
}
