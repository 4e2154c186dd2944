#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <utility>

// A number field of a record as the server reads it. Besides a literal number
// it may hold what the server computes when the dialog opens: a relative
// place ("+20", "*20", "-") or an expression ("<eval 30+<local.i>*20>",
// "<argn1>"). Such fields are kept as written; the designer draws them at a
// stand-in, the value it can compute itself.
namespace FieldValue {

enum class Form {
    Number,     // what NumberText reads: "20", "-5", "0x1F"
    Relative,   // "+n", "*n" or "-" alone: from the origin
    Expression, // holds "<": expanded by the server
    Invalid,    // none of these: a fault of the record
};

Form formOf(QStringView text);
// Whether formOf gives Relative or Expression, without reading a plain number.
bool isComputed(QStringView text);

// The value the designer can compute: a number; arithmetic of numbers inside
// "<eval …>" or "<…>" (+ - * / % and brackets, numbers read as the server
// reads them); nullopt for anything else (a variable, a call, a relative
// place, an invalid text).
std::optional<int> evaluate(QStringView text);

// The stand-in of any field that is not Invalid: the number, the computed
// expression, the relative place from origin; 0 otherwise.
int standIn(QStringView text, int origin = 0);

// A position field read in order along the straight reading: "*n" moves the
// origin by n and gives it, "+n", "-n" and "-" are from the origin, anything
// else as standIn() gives it.
int place(QStringView text, int &origin);

// "dorigin x y" (any case, blanks around): the origin it sets, its values'
// stand-ins; nullopt when the line is not one.
std::optional<std::pair<int, int>> originSetBy(QStringView scriptLine);

} // namespace FieldValue
