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

} // namespace ExampleDocuments
