#include "assets/client/GumpBrowserModel.h"
#include "assets/client/GumpArt.h"

#include <QPainter>

#include <algorithm>

namespace {

// The digits of text after an optional hex mark; hexOnly tells whether the
// mark was there.
QString searchDigits(const QString &text, bool &hexOnly)
{
    QString digits = text.trimmed().toUpper();
    hexOnly = false;
    for (const QString &mark : {QStringLiteral("0X"), QStringLiteral("X")}) {
        if (digits.startsWith(mark)) {
            digits.remove(0, mark.size());
            hexOnly = true;
            break;
        }
    }
    return digits;
}

// Whether number, written in base, starts with the digits.
bool startsWith(int number, int base, const QString &digits)
{
    return QString::number(number, base).toUpper().startsWith(digits);
}

} // namespace

GumpBrowserModel::GumpBrowserModel(QObject *parent) : QAbstractListModel(parent)
{
    setCacheBytes(DefaultCacheBytes);
}

void GumpBrowserModel::setArt(std::shared_ptr<const GumpArt> art)
{
    if (art == m_art)
        return;
    beginResetModel();
    m_art = std::move(art);
    m_all = m_art ? m_art->ids() : std::vector<int>();
    m_thumbnails.clear();
    m_rows.clear();
    const QString search = m_search;
    m_search.clear();
    m_rows = m_all;
    endResetModel();
    if (!search.isEmpty())
        setSearch(search);
}

void GumpBrowserModel::setCacheBytes(qint64 bytes)
{
    m_thumbnails.setMaxCost(qsizetype(std::max<qint64>(bytes, 1)));
}

void GumpBrowserModel::setSearch(const QString &text)
{
    beginResetModel();
    m_search = text;
    bool hexOnly = false;
    const QString digits = searchDigits(text, hexOnly);
    if (digits.isEmpty()) {
        m_rows = m_all;
    } else {
        bool isHex = false, isDecimal = false;
        digits.toInt(&isHex, 16);
        digits.toInt(&isDecimal, 10);
        isDecimal = isDecimal && !hexOnly;
        m_rows.clear();
        if (isHex || isDecimal) {
            for (const int gump : m_all)
                if ((isHex && startsWith(gump, 16, digits)) || (isDecimal && startsWith(gump, 10, digits)))
                    m_rows.push_back(gump);
        }
    }
    endResetModel();
}

int GumpBrowserModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant GumpBrowserModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount())
        return QVariant();
    const int gump = m_rows[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return captionOf(gump);
    case Qt::DecorationRole:
        return thumbnail(gump);
    case Qt::ToolTipRole:
        return fileNameOf(gump);
    case GumpNumberRole:
        return gump;
    case FileNameRole:
        return fileNameOf(gump);
    default:
        return QVariant();
    }
}

int GumpBrowserModel::gumpAt(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows[size_t(row)] : -1;
}

int GumpBrowserModel::rowOf(int gump) const
{
    const auto found = std::lower_bound(m_rows.begin(), m_rows.end(), gump);
    return found != m_rows.end() && *found == gump ? int(found - m_rows.begin()) : -1;
}

QImage GumpBrowserModel::picture(int gump) const
{
    return m_art ? m_art->decode(gump) : QImage();
}

QString GumpBrowserModel::fileNameOf(int gump)
{
    return QString::number(gump, 16).toUpper() + QStringLiteral(".bmp");
}

QString GumpBrowserModel::captionOf(int gump)
{
    return QStringLiteral("0x%1  (%2)").arg(QString::number(gump, 16).toUpper()).arg(gump);
}

QImage GumpBrowserModel::thumbnailOf(const QImage &picture)
{
    QImage square(ThumbnailSide, ThumbnailSide, QImage::Format_ARGB32);
    square.fill(Qt::transparent);
    if (picture.isNull())
        return square;
    // See-through black shows the list behind it, as the picture will show
    // the dialog behind it; opaque pixels are never pure black.
    QImage clear = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < clear.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(clear.scanLine(y));
        for (int x = 0; x < clear.width(); ++x)
            if (row[x] == 0xFF000000u)
                row[x] = 0;
    }
    if (clear.width() > ThumbnailSide || clear.height() > ThumbnailSide)
        clear = clear.scaled(ThumbnailSide, ThumbnailSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // Centred in a square of one size, so that the numbers line up.
    QPainter painter(&square);
    painter.drawImage((ThumbnailSide - clear.width()) / 2, (ThumbnailSide - clear.height()) / 2, clear);
    return square;
}

QImage GumpBrowserModel::thumbnail(int gump) const
{
    if (const QImage *kept = m_thumbnails.object(gump))
        return *kept;
    // A gump that cannot be decoded is kept too (as a null image), so a view
    // does not decode it again at every repaint.
    auto made = std::make_unique<QImage>(thumbnailOf(picture(gump)));
    const QImage result = *made;
    const qsizetype cost = std::max<qsizetype>(made->sizeInBytes(), 64);
    m_thumbnails.insert(gump, made.release(), cost);
    return result;
}
