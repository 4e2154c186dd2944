#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark 1.4"));
    QLabel placeholder(QStringLiteral("Quillmark 1.4"));
    placeholder.show();
    return app.exec();
}
