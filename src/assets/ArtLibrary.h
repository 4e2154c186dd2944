#pragma once

#include <QString>

#include <stdexcept>

// Adds art to the library under AppDir: a button (DATA/buttons/name.Bmp with
// its decoder name.CS holding the up and down gump in hexadecimal) or a
// picture (DATA/gump.Bmp). Any picture QImageReader reads is stored as a
// bitmap. Every file goes through the safe writer; a button's decoder is in
// place before its picture, and taken back when the picture fails.
namespace ArtLibrary {

// A name or number the library must not take; shown as a "Warning".
class Refused : public std::runtime_error
{
public:
    explicit Refused(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// Throws Refused for an empty name or one holding "/", "\" or "..", or an up
// or down gump that is not hexadecimal; RuntimeError for the source picture
// ("Unknown picture file extension (.%s)", "Cannot open file %s", "Bitmap
// image is not valid") and for files that cannot be written.
void addButton(const QString &appDir, const QString &source, const QString &name, const QString &up,
               const QString &down);
void addPicture(const QString &appDir, const QString &source, const QString &gump);

} // namespace ArtLibrary
