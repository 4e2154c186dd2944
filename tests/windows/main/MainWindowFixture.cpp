#include "windows/main/MainWindowFixture.h"
#include "windows/elements/TForm2.h"
#include "windows/options/TForm12.h"
#include "windows/update/TForm15.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPushButton>

void MainWindowTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    QDir(m_dir.path()).mkpath(QStringLiteral("DATA/buttons"));
    QDir(m_dir.path()).mkpath(QStringLiteral("DATA/resizepic"));
    writeBitmap(QStringLiteral("DATA/1F4.bmp"));
    writeBitmap(QStringLiteral("DATA/2A.BMP"));
    writeBitmap(QStringLiteral("DATA/buttons/okay.bmp"));
    writeFile(QStringLiteral("DATA/buttons/okay.cs"), "F7\r\nF8\r\n");
    writeBitmap(QStringLiteral("DATA/resizepic/9200.Bmp"));
    writeFile(QStringLiteral("DATA/notes.txt"), "not art");

    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    modals = std::make_unique<ScriptedModals>();
    window = std::make_unique<TForm1>();
    window->control<TForm12>("Form12")->Location = {path(QStringLiteral("quillmark.INI")), false};
    boot();
}

void MainWindowTest::boot()
{
    modals->runWindow(QStringLiteral("System Update"));
    window->BOOTTimer();
    modals->forgetShown();
}

void MainWindowTest::TearDown()
{
    window.reset();
    modals.reset();
    QDir::setCurrent(m_previousDir);
}

void MainWindowTest::writeFile(const QString &relative, const QByteArray &bytes) const
{
    QFile f(path(relative));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void MainWindowTest::writeBitmap(const QString &relative) const
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path(relative), "BMP"));
}

void MainWindowTest::scriptPicker(const QString &file)
{
    modals->onWindow<TForm2>([file](TForm2 &picker) {
        picker.selectFile(file);
        picker.Button1->click();
    });
}

void MainWindowTest::select(int index)
{
    window->control<QComboBox>("ComboBox1")->setCurrentIndex(index);
    emit window->control<QComboBox>("ComboBox1")->activated(index);
    settle();
}
