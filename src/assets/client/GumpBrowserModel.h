#pragma once

#include <QAbstractListModel>
#include <QCache>
#include <QImage>

#include <memory>
#include <vector>

class GumpArt;

// Every gump of a game client as one list row: its number in hex and
// decimal, a thumbnail decoded when a view first asks for it and kept in a
// cache of bounded size, and the picture name a record stores ("1F4.bmp").
// The rows are the gumps that exist, narrowed by a search by number.
class GumpBrowserModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role { GumpNumberRole = Qt::UserRole + 1, FileNameRole };

    static constexpr int ThumbnailSide = 48;
    // The thumbnails kept, in bytes: a few screens' worth.
    static constexpr qint64 DefaultCacheBytes = qint64(4) << 20;

    explicit GumpBrowserModel(QObject *parent = nullptr);

    void setArt(std::shared_ptr<const GumpArt> art);
    const std::shared_ptr<const GumpArt> &art() const { return m_art; }
    void setCacheBytes(qint64 bytes);

    // Keeps the gumps whose number starts with the text, read in hex or in
    // decimal ("0x" or "x" in front: hex only). No digits keep all; a
    // text that is no number keeps none.
    void setSearch(const QString &text);
    const QString &search() const { return m_search; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int gumpAt(int row) const;
    // The row showing the gump, or -1.
    int rowOf(int gump) const;
    // The gump at full size; null when it cannot be decoded.
    QImage picture(int gump) const;

    static QString fileNameOf(int gump);
    static QString captionOf(int gump);
    // The picture with see-through black made clear, scaled down to fit a
    // thumbnail (never up) and centred in it.
    static QImage thumbnailOf(const QImage &picture);

private:
    QImage thumbnail(int gump) const;

    std::shared_ptr<const GumpArt> m_art;
    std::vector<int> m_all;     // every gump that exists, in order
    std::vector<int> m_rows;    // those the search keeps
    QString m_search;
    mutable QCache<int, QImage> m_thumbnails;
};
