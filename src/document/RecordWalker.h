#pragma once

#include <QString>
#include <QStringList>

// Kinds of element record and their fixed lengths in document lines. Each
// record is its kind word followed by one field per line (see README.md,
// "Design file records").
enum class ElementKind {
    None, Gumppic, Resizepic, Text, Button,
    Htmlgump, Croppedtext, Textentry, Checkbox, Radio, Gumppictiled, Tilepic, Checkertrans, Xmfhtmlgump, Gumppichue,
    // A line of the dialog's script logic held verbatim (IF, FOR, LOCAL.x=,
    // dorigin, a control the design cannot hold): never drawn, no numbers.
    Script,
};

namespace Records {
ElementKind kindOfWord(const QString &line);      // "gumppic" -> Gumppic, else None
QString wordOf(ElementKind kind);                  // Gumppic -> "gumppic"
QString nameOf(ElementKind kind);                  // as lists and menus show it: Gumppic -> "Gumppic"
// The switch of the View menu that shows or hides the kind (None: Nothing).
enum class ShownWith { Nothing, Text, Buttons, Pictures, Backgrounds };
ShownWith shownWith(ElementKind kind);
int lengthOf(ElementKind kind);                    // gumppic 4, resizepic 6, text 5, button 8, None 0
// Every kind that is drawn (all but None and Script), in the order of the enumeration.
const QList<ElementKind> &allKinds();
// Script records: the kind word and the line, nothing else.
inline bool isScript(ElementKind kind) { return kind == ElementKind::Script; }
constexpr int ScriptLineField = 1;
// The four kinds every design file could always hold.
bool isClassicKind(ElementKind kind);
// Offsets from the kind word of a kind's width field (its height follows),
// art file field and text field; -1 for kinds without one.
int widthFieldOf(ElementKind kind);
int artFieldOf(ElementKind kind);
int textFieldOf(ElementKind kind);
// Offsets of the fields that hold numbers.
const QList<int> &numberFieldsOf(ElementKind kind);

// Page brackets, kind words and the location and window flags words.
bool isStructureLine(const QString &line);

inline const QString BeginPage = QStringLiteral("{BOP");
inline const QString EndPage = QStringLiteral("}EOP");
inline const QString Location = QStringLiteral("LOCATION");
inline const QString Misc = QStringLiteral("MISC");
// The dialog's close block: what runs when the player closes the dialog with
// the right mouse button, its lines kept as a button's events are.
inline const QString CloseBlock = QStringLiteral("CLOSEBLOCK");
// The dialog cannot be closed by the client's close-all-gumps macro: a line of its own.
inline const QString NoDispose = QStringLiteral("NODISPOSE");
// A TEXT section line no element of the design refers to, kept at its index
// for the script's computed indices: "TEXTLINE", index, text.
inline const QString KeptText = QStringLiteral("TEXTLINE");
// A BUTTON section block kept in its form (a range, one no button of the
// design answers, one with computed replies): "BUTTONBLOCK", its marker line
// as written ("ON=100 199"), its lines as a button's events are kept.
inline const QString KeptBlock = QStringLiteral("BUTTONBLOCK");
constexpr int KeptTextLength = 3;
constexpr int KeptBlockLength = 3;
// The dialog's name, offered by the export: the word and a line holding the name.
inline const QString DialogName = QStringLiteral("DIALOGNAME");
constexpr int DialogNameLength = 2;
constexpr int LocationLength = 3;
constexpr int MiscLength = 3;
constexpr int CloseBlockLength = 2;
} // namespace Records

// Walks the document lines structure by structure: page brackets, element
// records (skipped whole by their lengths, so a text or events field holding
// "text" or "}EOP" is never taken for structure), location and window flags
// records, the close block, and any other line one at a time. Every scan of the document uses
// it. A field that must be a number (a page, X, Y, a width or height, a
// flag, an id, a hue of the newer kinds, a button's close, page and events
// fields, a location) and holds a structure line instead marks its record as
// cut short there: the record ends before that line, and the walk goes on
// from it.
class RecordWalker
{
public:
    enum class Item { PageOpen, PageClose, Element, Location, Misc, CloseBlock, Other, KeptText, KeptBlock };

    explicit RecordWalker(const QStringList &lines) : m_lines(lines) {}

    // Advances to the next item; false at the end of the lines.
    bool next();

    Item item() const { return m_item; }
    int line() const { return m_line; }          // first line of the item
    // The origin ("dorigin", moved by "*n" places) in force along the straight
    // reading when this item is read; its stand-in when computed.
    int originX() const { return m_originX; }
    int originY() const { return m_originY; }
    int length() const { return m_length; }      // lines it spans (may run past the end)
    // Whether the item has all its lines: neither cut short by a structure
    // line nor by the end of the lines.
    bool complete() const { return !m_cutShort && m_line + m_length <= m_lines.size(); }
    bool cutShort() const { return m_cutShort; }
    // The length of the item starting at line, as the walk measures it.
    static int lengthAt(const QStringList &lines, int line);
    ElementKind kind() const { return m_kind; }  // for Element items

    // Page text of the bracket the walker is in ("-1" outside any bracket).
    // At a PageOpen it is the new page; at a PageClose still the closing page.
    const QString &page() const { return m_page; }

    // Field k of the current item (line() + k), empty when past the end of
    // the lines or past the line a cut-short record ends before.
    QString field(int k) const;

private:
    void followOrigin();
    const QStringList &m_lines;
    int m_next = 0;
    int m_line = -1;
    int m_length = 0;
    Item m_item = Item::Other;
    ElementKind m_kind = ElementKind::None;
    QString m_page = QStringLiteral("-1");
    bool m_closePending = false;
    bool m_cutShort = false;
    int m_originX = 0, m_originY = 0;         // before the current item
    int m_nextOriginX = 0, m_nextOriginY = 0; // after it
};
