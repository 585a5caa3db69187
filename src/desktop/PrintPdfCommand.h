#pragma once
// qav-cps --print-pdf FILE OUT.pdf [--sections LIST]: opens the codeplug
// file as the program would, draws the report as it would print it (A4)
// and writes it as a PDF, with no window shown. Exit status 0 when written,
// 1 when the file cannot be opened or the PDF not written (the reason on
// stderr), 2 for an unknown section name.
#include <QString>

int runPrintPdf(const QString& file, const QString& output, const QString& sections);

// True when the command line asks for a PDF: the program then needs no
// display and runs on the offscreen platform.
bool wantsPrintPdf(int argc, char** argv);
