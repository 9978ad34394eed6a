#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "platform/print_surface.h"
#include "printing/print_options.h"

// Real printing on the PDF printer that scripts/setup-pdf-printer.sh makes
// the system's default printer; its PDFs land in the folder QUORVELS_PDF_DIR,
// which the build defines. Needs a running QGuiApplication.

// Prints `catalogue` with printBooks on `printer`, a Qt print surface on the
// PDF printer, and returns the PDF that comes out. Runs on the same machine
// take turns on the printer. Throws when printing reports an error or when no
// complete PDF appears within a minute.
std::filesystem::path printOnPdfPrinter(platform::PrintSurface& printer, Catalogue& catalogue,
                                        const PrintOptions& options);

// The text of every page of a PDF, as pdftotext lays it out: the non-blank
// lines with leading and trailing blanks dropped and inner runs of blanks
// made one; a line of dashes alone reads "<rule>". Throws when pdftotext fails.
std::vector<std::vector<std::string>> pdfPages(const std::filesystem::path& pdf);
