#include "windows/main/TForm10.h"
#include "platform/AppInfo.h"
#include "windows/widgets/EventGuard.h"

#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// A quill over a sheet of parchment, drawn rather than shipped.
QPixmap aboutPicture()
{
    QPixmap picture(96, 96);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x6b, 0x4a, 0x22), 2));
    p.setBrush(QColor(0xf1, 0xe2, 0xb8));
    p.drawRoundedRect(QRectF(10, 14, 60, 72), 4, 4);
    p.setPen(QPen(QColor(0x8a, 0x73, 0x50), 1.5));
    for (int y = 30; y <= 70; y += 10)
        p.drawLine(QPointF(20, y), QPointF(58, y));
    QPainterPath feather;
    feather.moveTo(40, 80);
    feather.cubicTo(50, 50, 70, 20, 90, 6);
    feather.cubicTo(84, 30, 68, 58, 40, 80);
    p.setPen(QPen(QColor(0x30, 0x30, 0x40), 1.5));
    p.setBrush(QColor(0xfa, 0xfa, 0xff));
    p.drawPath(feather);
    p.drawLine(QPointF(40, 80), QPointF(86, 10));
    return picture;
}

} // namespace

TForm10::TForm10(QWidget *parent) : FixedDialog(parent, AppInfo::Title)
{
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    Image1 = new QLabel(this);
    Image1->setPixmap(aboutPicture());
    top->addWidget(Image1);
    Label1 = new QLabel(AppInfo::Title + QStringLiteral("\nA designer for Sphere dialogs."), this);
    top->addWidget(Label1, 1);
    layout->addLayout(top);

    Label2 = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(AppInfo::HomePage), this);
    Label2->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    Label2->setOpenExternalLinks(false);
    layout->addWidget(Label2);
    SettingsLabel = new QLabel(this);
    SettingsLabel->setWordWrap(true);
    SettingsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(SettingsLabel);
    DataFolderLabel = new QLabel(this);
    DataFolderLabel->setWordWrap(true);
    DataFolderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(DataFolderLabel);

    auto *row = new QHBoxLayout;
    row->addStretch();
    Button1 = closeButton(QStringLiteral("Close"));
    Button1->setDefault(true);
    row->addWidget(Button1);
    layout->addLayout(row);
    setMinimumWidth(320);
    fixSize();

    EventGuard::connect(Label2, &QLabel::linkActivated, this, &TForm10::Label2Click);
}

void TForm10::showSettingsFile(const SettingsLocation &location)
{
    SettingsLabel->setText((location.inConfigFolder ? QStringLiteral("Settings (in your configuration folder): ")
                                                    : QStringLiteral("Settings: "))
                           + location.path);
}

void TForm10::showDataFolder(const QString &appDir)
{
    DataFolderLabel->setText(QStringLiteral("Data folder: ") + QDir::toNativeSeparators(appDir));
}

void TForm10::Label2Click()
{
    QDesktopServices::openUrl(QUrl(AppInfo::HomePage));
}
