#pragma once
// The application's current printer: chosen in the printer set-up dialog, used by every later print.

class QPrinter;

QPrinter &CurrentPrinter();
