// One input is a BMP file of the art library.
#include "assets/BitmapFile.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = FuzzInput::bytes(data, size);
    const QImage image = BitmapFile::decode(bytes);
    FuzzInput::check(image.isNull() || BitmapFile::isSound(bytes));
    if (!image.isNull()) {
        FuzzInput::check(image.format() == QImage::Format_RGB32);
        FuzzInput::check(image.width() <= BitmapFile::MaxSide && image.height() <= BitmapFile::MaxSide);
        FuzzInput::check(qint64(image.width()) * image.height() <= BitmapFile::MaxPixels);
        (void)image.pixel(image.width() - 1, image.height() - 1);
    }
    return 0;
}
