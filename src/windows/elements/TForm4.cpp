#include "windows/elements/TForm4.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/ImageView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int PreviewDelayStep = 50;
constexpr int PreviewIdleInterval = 100;
} // namespace

TForm4::TForm4(QWidget *parent) : FixedDialog(parent, QStringLiteral("Text"))
{
    Edit1 = new QLineEdit(this);
    Edit1->setFixedWidth(340);
    Image1 = new ImageView(this);
    Image1->setFixedSize(340, 24);
    Button1 = closeButton(QStringLiteral("Ok"));
    Button1->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Edit1);
    layout->addWidget(Image1);
    layout->addWidget(new QLabel(QStringLiteral("Don't use | { } : or text will not be presented correctly"), this));
    layout->addWidget(new QLabel(QStringLiteral("There is a small delay on the graphics so you may type faster."), this));
    layout->addWidget(Button1, 0, Qt::AlignRight);
    fixSize();

    // Fires once with the empty text right after start.
    UPDATER = new QTimer(this);
    UPDATER->setInterval(1);
    UPDATER->start();

    EventGuard::connect(Edit1, &QLineEdit::textChanged, this, &TForm4::Edit1Change);
    EventGuard::connect(Edit1, &QLineEdit::returnPressed, this, [this] { accept(); });
    EventGuard::connect(UPDATER, &QTimer::timeout, this, &TForm4::UPDATERTimer);
}

QString TForm4::text() const
{
    return Edit1->text();
}

void TForm4::setText(const QString &text)
{
    Edit1->setText(text);
}

// Each keystroke postpones the preview a little longer, so fast typing is
// not slowed down by drawing.
void TForm4::Edit1Change()
{
    UPDATER->setInterval(UPDATER->interval() + PreviewDelayStep);
    UPDATER->start();
}

void TForm4::UPDATERTimer()
{
    UPDATER->setInterval(PreviewIdleInterval);
    UPDATER->stop();
    Image1->setPicture(m_previewSource ? m_previewSource(Edit1->text()) : QImage());
}

void TForm4::showEvent(QShowEvent *event)
{
    Image1->clear();
    FixedDialog::showEvent(event);
}
