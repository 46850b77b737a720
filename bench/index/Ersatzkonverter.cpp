// Stands in for pdftotext where the converter's own work is not what is measured: takes the
// same arguments (-layout -enc UTF-8 PDF OUT) and writes one short line of text and a form
// feed for the PDF.
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 6)
        return 99;
    std::FILE* aus = std::fopen(argv[5], "wb");
    if (!aus)
        return 2;
    std::fprintf(aus, "Text von %s\n\f", argv[4]);
    return std::fclose(aus) == 0 ? 0 : 2;
}
