#include "mainwindow/default_printer.h"

platform::PrintSurface* defaultPrinter(DefaultPrinter& printer) {
    if (!printer.lookedUp && printer.open) printer.surface = printer.open();
    printer.lookedUp = true;
    return printer.surface.get();
}
