#include "searchwin/Suchwortliste.h"

#include "platform/TextFiles.h"

namespace Suchwortliste {

QStringList laden(const QString& pfad) {
    return TextFiles::zeilen(ReadTextFile(pfad, TextFiles::OhneBom::Ansi));
}

} // namespace Suchwortliste
