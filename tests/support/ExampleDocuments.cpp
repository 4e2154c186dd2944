#include "support/ExampleDocuments.h"

namespace ExampleDocuments {

QStringList onePageDialog()
{
    return {
        "{BOP", "0",
        "resizepic", "0", "0", "9200.bmp", "300", "200",
        "gumppic", "20", "30", "1F4.bmp",
        "text", "40", "50", "1152", "Hello",
        "button", "100", "150", "okay.bmp", "1", "0", "1", OkayEvents,
        "}EOP",
        "LOCATION", "50", "50",
        "MISC", "0", "1",
    };
}

QStringList everyNewKindDialog()
{
    return {
        "{BOP", "0",
        "htmlgump", "10", "20", "200", "80", "1", "0", "Welcome <B>home</B>",
        "croppedtext", "10", "110", "120", "20", "33", "Cropped words",
        "textentry", "10", "140", "150", "20", "0", "7", "12", "Name",
        "checkbox", "10", "170", "check.bmp", "1", "3",
        "radio", "40", "170", "check.bmp", "0", "4", "2",
        "gumppictiled", "0", "0", "64", "32", "1F4.bmp",
        "tilepic", "200", "10", "3821", "1152",
        "checkertrans", "5", "5", "290", "190",
        "xmfhtmlgump", "10", "200", "250", "40", "1011036", "0", "1", "32767",
        "gumppichue", "70", "30", "1F4.bmp", "38",
        "}EOP",
        "LOCATION", "50", "50",
        "CLOSEBLOCK", CloseEvents,
    };
}

QStringList twoPages()
{
    return {"{BOP", "0",
            "gumppic", "10", "20", "a.bmp",
            "text", "5", "5", "0", "Hi",
            "resizepic", "0", "0", "stone", "100", "80",
            "}EOP",
            "{BOP", "1",
            "button", "1", "2", "okay.bmp", "1", "0", "0", "0",
            "}EOP"};
}

} // namespace ExampleDocuments
