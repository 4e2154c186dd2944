#pragma once

#include "windows/widgets/FixedDialog.h"

#include <QImage>
#include <QTimer>

#include <functional>

class ImageView;
class QLineEdit;
class QPushButton;

// The text of a text element, with a preview in the bitmap font drawn in the
// chosen hue's colour. The edit box keeps its text between uses.
class TForm4 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);

    // Draws a line of text for the preview (null image: nothing to show).
    using PreviewSource = std::function<QImage(const QString &text)>;
    void setPreviewSource(PreviewSource source) { m_previewSource = std::move(source); }

    QString text() const;
    void setText(const QString &text);

    QLineEdit *Edit1 = nullptr;
    ImageView *Image1 = nullptr;
    QPushButton *Button1 = nullptr; // "Ok"
    QTimer *UPDATER = nullptr;

public slots:
    void Edit1Change();
    void UPDATERTimer();

protected:
    void showEvent(QShowEvent *event) override;

private:
    PreviewSource m_previewSource;
};
