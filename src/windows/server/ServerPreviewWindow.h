#pragma once

#include "serverworld/ServerPreview.h"

#include <QWidget>

#include <functional>

class ImageView;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class ServerJob;

// "Show as the server sends it": the design as the user's own server sends
// it to a player, drawn by the designer's renderer beside the canvas, with
// how it differs from the canvas and what the server logged about it.
class ServerPreviewWindow : public QWidget
{
    Q_OBJECT

public:
    // What one question needs, taken afresh at each redraw.
    struct Request
    {
        QStringList design;
        QString appDir;
        QString dialect;
        ServerSetup setup;   // privilege and arguments come from the window
        QString page;        // the canvas's page, shown first
    };

    explicit ServerPreviewWindow(std::function<Request()> request, QWidget *parent = nullptr);
    ~ServerPreviewWindow() override;

    // Asks the server again with the design as it is now.
    void redraw();
    bool busy() const;

    // The privileges a stand-in may have, as the server numbers them.
    static const QList<std::pair<QString, int>> &privileges();

    QComboBox *Privilege = nullptr;
    QLineEdit *Arguments = nullptr;
    QPushButton *RedrawButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QComboBox *PageBox = nullptr;
    QPushButton *ExportButton = nullptr;
    QLabel *Status = nullptr;
    QProgressBar *Busy = nullptr;
    ImageView *Picture = nullptr;
    QListWidget *Differences = nullptr;
    QListWidget *Messages = nullptr;
    QLabel *Failure = nullptr;

signals:
    // A difference or message was chosen: the design line (from 1) it belongs to.
    void lineChosen(int designLine);
    // An answer was shown (or its failure).
    void answered();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void showPreview(const ServerPreview::Preview &preview, const QString &appDir);
    void fail(const QString &message);
    void drawPage();
    void exportPicture();
    void setBusy(bool busy);

    std::function<Request()> m_request;
    ServerJob *m_job = nullptr;
    ServerPreview::Preview m_last;
    QString m_appDir;
};
