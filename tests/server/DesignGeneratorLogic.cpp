// Designs with script logic, made as a small program the generator also runs:
// each node writes its lines into the design and, run, the records the
// server must lay out.
#include "DesignGenerator.h"

#include "document/RecordWalker.h"

#include <QHash>

namespace {

// What the layout's logic holds while it runs: its LOCAL values (names in
// lower case, as the server matches them in any case) and the origin.
struct Env
{
    QHash<QString, int> locals;
    int origin[2] = {0, 0};
};

// A field as written and the value it has when its line runs; a field
// without one is written and shown as it stands.
struct Field
{
    QString text;
    std::function<int(Env &)> value;
};

using Condition = std::pair<QString, std::function<bool(const Env &)>>;

// Fields besides the place a logic design computes: sizes and hues.
QList<int> computedFieldsOf(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Gumppichue: return {4};
    case ElementKind::Resizepic: return {4, 5};
    case ElementKind::Text: return {3};
    case ElementKind::Htmlgump: return {3, 4};
    case ElementKind::Croppedtext:
    case ElementKind::Textentry: return {3, 4, 5};
    case ElementKind::Gumppictiled:
    case ElementKind::Checkertrans: return {3, 4};
    case ElementKind::Tilepic: return {4};
    case ElementKind::Xmfhtmlgump: return {3, 4};
    default: return {};
    }
}

bool isPlainNumber(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 0 && n <= 100000 && QString::number(n) == text;
}

QString indent(int depth) { return QString(depth * 2, u' '); }

} // namespace

struct DesignGenerator::Scope
{
    int depth = 0;                  // nesting of IF and FOR
    bool origin = false;            // the bracket has set the origin: relative places are read from it
    QStringList locals;             // LOCAL values set before, on every way here
    QStringList loopVariables;      // the loops around
    bool mayReturn = false;         // a RETURN here ends the layout and no page follows it
};

struct DesignGenerator::Node
{
    enum class Kind { Line, Element, If, For, While, Choice, Begin, Return } kind = Kind::Line;
    QString text;                               // Line: the script line; For, While, Choice: its first line
    std::function<void(Env &)> effect;          // Line
    ElementKind element = ElementKind::None;    // Element
    QList<Field> fields;                        // Element: the record, kind word first
    QList<std::pair<Condition, QList<Node>>> branches; // If: IF and ELIF
    std::optional<QList<Node>> otherwise;       // If: ELSE
    QString variable;                           // For; While: its counter
    int from = 1, to = 1;                       // For; While: the counter's start and the bound it stays below
    QList<Node> body;                           // For, While, Begin; Choice: its lines, one node each
    std::function<int(const Env &)> chosen;     // Choice: the line that runs, from 0
    int line = 0;                               // the line it is written at, from 1
};

namespace {

using Node = DesignGenerator::Node;

void addScript(GeneratedDesign &d, const QString &line) { d.lines << QStringLiteral("script") << line; }

void write(GeneratedDesign &d, QList<Node> &nodes, int depth)
{
    // A block of the body between its opener and closer lines.
    const auto block = [&](Node &n, const QString &opener, const QString &closer) {
        addScript(d, indent(depth) + opener);
        write(d, n.body, depth + 1);
        addScript(d, indent(depth) + closer);
    };
    for (Node &n : nodes) {
        n.line = int(d.lines.size()) + 1;
        switch (n.kind) {
        case Node::Kind::Line:
            addScript(d, indent(depth) + n.text);
            break;
        case Node::Kind::Element:
            for (const Field &f : std::as_const(n.fields))
                d.lines << f.text;
            break;
        case Node::Kind::If:
            for (qsizetype b = 0; b < n.branches.size(); ++b) {
                static const QStringList elif = {"ELIF", "ELSEIF", "elif"};
                const QString word = b == 0 ? QStringLiteral("IF") : elif[int(n.line + b) % 3];
                addScript(d, indent(depth) + word + u' ' + n.branches[b].first.first);
                write(d, n.branches[b].second, depth + 1);
            }
            if (n.otherwise) {
                addScript(d, indent(depth) + QStringLiteral("ELSE"));
                write(d, *n.otherwise, depth + 1);
            }
            addScript(d, indent(depth) + QStringLiteral("ENDIF"));
            break;
        case Node::Kind::For:
            block(n, n.text, QStringLiteral("ENDFOR"));
            break;
        case Node::Kind::While:
            addScript(d, indent(depth) + QStringLiteral("LOCAL.%1=%2").arg(n.variable).arg(n.from));
            addScript(d, indent(depth) + n.text);
            write(d, n.body, depth + 1);
            addScript(d, indent(depth) + QStringLiteral("LOCAL.%1=<eval <local.%1>+1>").arg(n.variable));
            addScript(d, indent(depth) + (n.line % 2 ? QStringLiteral("ENDWHILE") : QStringLiteral("endwhile")));
            break;
        case Node::Kind::Choice:
            block(n, n.text, QStringLiteral("ENDDO"));
            break;
        case Node::Kind::Begin:
            block(n, QStringLiteral("BEGIN"), QStringLiteral("END"));
            break;
        case Node::Kind::Return:
            addScript(d, indent(depth) + n.text);
            break;
        }
    }
}

// Runs the nodes as the server does; true when a RETURN ended the layout.
bool run(GeneratedDesign &d, const QList<Node> &nodes, Env &env)
{
    for (const Node &n : nodes) {
        switch (n.kind) {
        case Node::Kind::Line:
            if (n.effect)
                n.effect(env);
            break;
        case Node::Kind::Element:
            for (const Field &f : n.fields) {
                d.expected << (f.value ? QString::number(f.value(env)) : f.text);
                d.expectedSource << n.line;
            }
            break;
        case Node::Kind::If: {
            const QList<Node> *taken = n.otherwise ? &*n.otherwise : nullptr;
            for (const auto &[condition, body] : n.branches)
                if (condition.second(env)) {
                    taken = &body;
                    break;
                }
            if (taken && run(d, *taken, env))
                return true;
            break;
        }
        case Node::Kind::For:
            // FOR counts both ways, ends included, and leaves the last value set.
            for (int i = n.from;; i += n.from <= n.to ? 1 : -1) {
                env.locals[n.variable] = i;
                if (run(d, n.body, env))
                    return true;
                if (i == n.to)
                    break;
            }
            break;
        case Node::Kind::While:
            // The server numbers the rounds in LOCAL._WHILE, from 0.
            env.locals[n.variable] = n.from;
            for (int round = 0; env.locals.value(n.variable) < n.to; ++round) {
                env.locals[QStringLiteral("_while")] = round;
                if (run(d, n.body, env))
                    return true;
                ++env.locals[n.variable];
            }
            break;
        case Node::Kind::Choice: {
            // Only the chosen line runs; past the last, none.
            const int k = n.chosen(env);
            if (k >= 0 && k < n.body.size() && run(d, {n.body[k]}, env))
                return true;
            break;
        }
        case Node::Kind::Begin:
            if (run(d, n.body, env))
                return true;
            break;
        case Node::Kind::Return:
            // A false value ends the layout and shows what it laid out.
            return true;
        }
    }
    return false;
}

void both(GeneratedDesign &d, const QStringList &record)
{
    const int at = int(d.lines.size()) + 1;
    d.lines << record;
    d.expected << record;
    for (qsizetype k = 0; k < record.size(); ++k)
        d.expectedSource << at;
}

} // namespace

DesignGenerator::Node DesignGenerator::logicElement(const Scope &scope)
{
    Node n;
    n.kind = Node::Kind::Element;
    QStringList record = element();
    n.element = Records::kindOfWord(record[0]);
    // Buttons that are not always shown once answer with replies of their own.
    if (n.element == ElementKind::Button && scope.depth > 0) {
        const bool events = record[6].startsWith(u'1');
        if (events || record[6].contains(u' '))
            record[6] = QStringLiteral("%1 %2").arg(events ? 1 : 0).arg(1000 + m_keptReplies++);
    }
    for (const QString &f : record)
        n.fields << Field{f, {}};
    const bool inLoop = !scope.loopVariables.isEmpty();
    // A field's form: the value it must have, or one the logic gives it.
    const auto compute = [&](Field &f, int axis) {
        const int plain = below(400);
        const QString local = scope.locals.isEmpty() ? QString() : pick(scope.locals);
        const QString var = inLoop ? pick(scope.loopVariables) : QString();
        const int a = below(200), s = 1 + below(30), k = below(40);
        switch (below(axis >= 0 && scope.origin ? 9 : 5)) {
        case 0:
            f = {QString::number(plain), {}};
            break;
        case 1:
            f = {QStringLiteral("<eval %1+%2>").arg(a).arg(k), [=](Env &) { return a + k; }};
            break;
        case 2:
            if (inLoop) {
                f = {QStringLiteral("<eval %1+<local.%2>*%3>").arg(a).arg(var).arg(s),
                     [=](Env &e) { return a + e.locals.value(var) * s; }};
                break;
            }
            [[fallthrough]];
        case 3:
            if (!local.isEmpty()) {
                f = {QStringLiteral("<local.%1>").arg(local), [=](Env &e) { return e.locals.value(local); }};
                break;
            }
            [[fallthrough]];
        case 4:
            if (!local.isEmpty()) {
                f = {QStringLiteral("<eval <local.%1>+%2>").arg(local).arg(k),
                     [=](Env &e) { return e.locals.value(local) + k; }};
                break;
            }
            f = {QStringLiteral("<eval %1*%2>").arg(s).arg(k), [=](Env &) { return s * k; }};
            break;
        case 5:
            f = {QStringLiteral("+%1").arg(k), [=](Env &e) { return e.origin[axis] + k; }};
            break;
        case 6:
            f = {QStringLiteral("-%1").arg(1 + k), [=](Env &e) { return e.origin[axis] - 1 - k; }};
            break;
        case 7:
            f = {QStringLiteral("-"), [=](Env &e) { return e.origin[axis]; }};
            break;
        default:
            f = {QStringLiteral("*%1").arg(k), [=](Env &e) { return e.origin[axis] += k; }};
            break;
        }
    };
    compute(n.fields[1], 0);
    compute(n.fields[2], 1);
    for (const int k : computedFieldsOf(n.element))
        if (isPlainNumber(n.fields[k].text) && chance(30))
            compute(n.fields[k], -1);
    return n;
}

DesignGenerator::Node DesignGenerator::condition(const Scope &scope)
{
    // Conditions whose truth the generator knows.
    const auto one = [&]() -> Condition {
        const int a = below(5), b = below(5);
        const QString local = scope.locals.isEmpty() ? QString() : pick(scope.locals);
        const QString var = scope.loopVariables.isEmpty() ? QString() : pick(scope.loopVariables);
        switch (below(8)) {
        case 0: return {QStringLiteral("(%1)").arg(a % 2), [=](const Env &) { return a % 2 != 0; }};
        case 1: return {QStringLiteral("(%1 > %2)").arg(a).arg(b), [=](const Env &) { return a > b; }};
        case 2: return {QStringLiteral("(%1 == %2)").arg(a).arg(b), [=](const Env &) { return a == b; }};
        case 3: {
            const int sum = a + b - below(2);
            return {QStringLiteral("(<eval %1+%2> == %3)").arg(a).arg(b).arg(sum),
                    [=](const Env &) { return a + b == sum; }};
        }
        case 4:
            if (!local.isEmpty())
                return {QStringLiteral("(<local.%1> > %2)").arg(local).arg(a * 40),
                        [=](const Env &e) { return e.locals.value(local) > a * 40; }};
            [[fallthrough]];
        case 5:
            if (!var.isEmpty())
                return {QStringLiteral("(<local.%1> == %2)").arg(var).arg(a),
                        [=](const Env &e) { return e.locals.value(var) == a; }};
            [[fallthrough]];
        default:
            return {QString::number(a % 2), [=](const Env &) { return a % 2 != 0; }};
        }
    };
    Node n;
    n.kind = Node::Kind::If;
    Scope inner = scope;
    ++inner.depth;
    const int branches = 1 + (chance(30) ? below(2) + 1 : 0);
    for (int b = 0; b < branches; ++b)
        n.branches.append({one(), block(inner, 1 + below(2))});
    if (chance(50))
        n.otherwise = block(inner, 1 + below(2));
    return n;
}

DesignGenerator::Node DesignGenerator::loop(const Scope &scope)
{
    Node n;
    n.kind = Node::Kind::For;
    const int a = below(3), count = 1 + below(3);
    n.variable = QStringLiteral("_for");
    switch (below(5)) {
    case 0:
        n.from = 1, n.to = count;
        n.text = QStringLiteral("FOR %1").arg(count);
        break;
    case 1:
        n.from = a, n.to = a + count - 1;
        n.text = QStringLiteral("FOR %1 %2").arg(n.from).arg(n.to);
        break;
    case 2:   // counting down
        n.from = a + count - 1, n.to = a;
        n.text = QStringLiteral("for %1 %2").arg(n.from).arg(n.to);
        break;
    case 3:
        n.variable = QStringLiteral("i%1").arg(++m_locals);
        n.from = 1, n.to = count;
        n.text = QStringLiteral("FOR %1 %2").arg(n.variable).arg(count);
        break;
    default:
        n.variable = QStringLiteral("i%1").arg(++m_locals);
        n.from = a, n.to = a + count - 1;
        n.text = QStringLiteral("FOR %1 %2 %3").arg(n.variable).arg(n.from).arg(n.to);
        break;
    }
    Scope inner = scope;
    ++inner.depth;
    inner.loopVariables << n.variable;
    n.body = block(inner, 1 + below(3));
    return n;
}

DesignGenerator::Node DesignGenerator::whileLoop(const Scope &scope)
{
    Node n;
    n.kind = Node::Kind::While;
    n.variable = QStringLiteral("w%1").arg(++m_locals);
    // Now and then no round at all.
    n.from = below(3);
    n.to = n.from + below(4);
    n.text = chance(50) ? QStringLiteral("WHILE (<local.%1> < %2)").arg(n.variable).arg(n.to)
                        : QStringLiteral("while <local.%1> < %2").arg(n.variable).arg(n.to);
    Scope inner = scope;
    ++inner.depth;
    inner.loopVariables << n.variable << QStringLiteral("_while");
    n.body = block(inner, 1 + below(3));
    return n;
}

DesignGenerator::Node DesignGenerator::choice(const Scope &scope)
{
    Node n;
    n.kind = Node::Kind::Choice;
    Scope inner = scope;
    ++inner.depth;
    const int count = 1 + below(3);
    for (int k = 0; k < count; ++k) {
        Node line = block(inner, 1).constFirst();
        // A WHILE is written with the line that sets its counter: BEGIN … END makes them one.
        if (line.kind == Node::Kind::While) {
            Node begin;
            begin.kind = Node::Kind::Begin;
            begin.body << line;
            line = begin;
        }
        n.body << line;
    }
    // DOSWITCH runs the line it names, none past the last; DORAND 1 always
    // the first (a random line of more is not known ahead).
    const int chosen = below(count + 1);
    switch (below(3)) {
    case 0:
        n.text = QStringLiteral("DOSWITCH %1").arg(chosen);
        n.chosen = [=](const Env &) { return chosen; };
        break;
    case 1: {
        const int a = below(chosen + 1);
        n.text = QStringLiteral("doswitch <eval %1+%2>").arg(a).arg(chosen - a);
        n.chosen = [=](const Env &) { return chosen; };
        break;
    }
    default:
        n.text = QStringLiteral("DORAND 1");
        n.chosen = [](const Env &) { return 0; };
        break;
    }
    return n;
}

QList<DesignGenerator::Node> DesignGenerator::block(Scope scope, int count)
{
    QList<Node> nodes;
    for (int k = 0; k < count; ++k) {
        const int what = below(14);
        if (what < 4 || scope.depth >= 2) {
            nodes << logicElement(scope);
        } else if (what == 4) {
            // A value for later lines, or a step of one set before.
            Node n;
            if (!scope.locals.isEmpty() && !scope.loopVariables.isEmpty() && chance(50)) {
                const QString name = pick(scope.locals);
                const int step = 1 + below(30);
                n.text = QStringLiteral("LOCAL.%1=<eval <local.%1>+%2>").arg(name).arg(step);
                n.effect = [=](Env &e) { e.locals[name] += step; };
            } else {
                const QString name = QStringLiteral("v%1").arg(++m_locals);
                const int value = below(300);
                n.text = QStringLiteral("%1.%2=%3").arg(chance(50) ? "LOCAL" : "local", name).arg(value);
                n.effect = [=](Env &e) { e.locals[name] = value; };
                scope.locals << name;
            }
            nodes << n;
        } else if (what == 5) {
            Node n;
            const int x = scope.origin && chance(50) ? below(40) : 50 + below(200);
            const int y = below(40);
            if (scope.origin && x < 40) {
                n.text = QStringLiteral("dorigin *%1 *%2").arg(x).arg(y);
                n.effect = [=](Env &e) { e.origin[0] += x, e.origin[1] += y; };
            } else {
                n.text = QStringLiteral("dorigin %1 %2").arg(x).arg(50 + y);
                n.effect = [=](Env &e) { e.origin[0] = x, e.origin[1] = 50 + y; };
            }
            // Set inside a branch, the origin is not set on every way on.
            if (scope.depth == 0)
                scope.origin = true;
            nodes << n;
        } else if (what < 8) {
            nodes << condition(scope);
        } else if (what < 10) {
            nodes << loop(scope);
        } else if (what == 10) {
            nodes << whileLoop(scope);
        } else if (what == 11) {
            nodes << choice(scope);
        } else if (what == 12 && chance(50)) {
            // A value set by whichever line DORAND runs: every line sets it alike.
            Node n;
            n.kind = Node::Kind::Choice;
            const QString name = QStringLiteral("v%1").arg(++m_locals);
            const int value = below(300), lines = 2 + below(3);
            n.text = QStringLiteral("DORAND %1").arg(lines);
            n.chosen = [](const Env &) { return 0; };
            Node set;
            set.text = QStringLiteral("LOCAL.%1=%2").arg(name).arg(value);
            set.effect = [=](Env &e) { e.locals[name] = value; };
            n.body = QList<Node>(lines, set);
            nodes << n;
            scope.locals << name;
        } else if (what == 12) {
            Node n;
            n.kind = Node::Kind::Begin;
            Scope inner = scope;
            ++inner.depth;
            n.body = block(inner, 1 + below(2));
            nodes << n;
        } else if (scope.mayReturn && chance(50)) {
            Node n;
            n.kind = Node::Kind::Return;
            n.text = chance(50) ? QStringLiteral("RETURN 0") : QStringLiteral("return 0");
            nodes << n;
        } else {
            nodes << logicElement(scope);
        }
    }
    return nodes;
}

GeneratedDesign DesignGenerator::logicDesign()
{
    GeneratedDesign d;
    m_keptReplies = 0;
    m_locals = 0;
    const QStringList pages = pageNumbers();
    // The export moves a page 0 that follows another first: only a layout in
    // the order written may end early.
    const bool inOrder = !pages.mid(1).contains(QStringLiteral("0"));
    for (qsizetype p = 0; p < pages.size(); ++p) {
        const QString &page = pages[p];
        both(d, {"{BOP", page});
        // Each bracket sets what it reads: the export may move page 0 first.
        Scope top;
        top.mayReturn = inOrder && p == pages.size() - 1;
        QList<Node> nodes = block(top, 1 + below(5));
        write(d, nodes, 0);
        Env env;
        run(d, nodes, env);
        both(d, {"}EOP"});
    }
    both(d, {"LOCATION", QString::number(below(500)), QString::number(below(500))});
    both(d, {"MISC", QString::number(below(2)), QString::number(below(2))});
    if (chance(10))
        both(d, {"NODISPOSE"});
    if (chance(20))
        both(d, {"CLOSEBLOCK", events()});
    return d;
}
