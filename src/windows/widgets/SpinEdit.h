#pragma once

#include <QAbstractSpinBox>

#include <functional>

// A spin edit whose value is its text. The text may be anything while the
// user types; the arrows step the number it holds. With both limits 0 there
// are no limits. changed() fires whenever the text changes, by typing, by
// the arrows or by setText(); setting the text it already holds is no change.
class SpinEdit : public QAbstractSpinBox
{
    Q_OBJECT

public:
    explicit SpinEdit(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

    // The text as a number; throws RuntimeError when it is not one.
    int value() const;

    // A number below 1 becomes "0"; while the text is not a number yet (cleared,
    // a lone "-") it stays as typed, without an error.
    void settleZeroBelowOne();
    // Puts back the last number the text held when it holds none now.
    void restoreLastNumber();

    int increment() const { return m_increment; }
    void setIncrement(int step) { m_increment = step; }
    void setLimits(int minimum, int maximum);

    // Whether the arrows may step the text; they leave it alone when not
    // (a field the server computes). Without one every text steps.
    void setSteppable(std::function<bool(const QString &)> steppable) { m_steppable = std::move(steppable); }

    // Arrows only: the text cannot be typed.
    void setTypingAllowed(bool allowed);
    // Typed text counts once Return is pressed or the box is left; the arrows
    // and setText() still change it at once.
    void setCommitOnFinish(bool on) { m_commitOnFinish = on; }

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &) const override {}
    QSize sizeHint() const override;

signals:
    void changed();

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_increment = 1;
    int m_minimum = 0;
    int m_maximum = 0;
    QString m_lastNumber = QStringLiteral("0");
    bool m_commitOnFinish = false;
    bool m_typedPending = false;   // typed text not yet committed
    std::function<bool(const QString &)> m_steppable;
};
