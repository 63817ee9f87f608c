#pragma once

// "kestrelwood-checkbook --search TEXT [--output FILE]": the transactions
// that match TEXT, as the search window finds them, written as CSV (date,
// account, payee, category, memo, amount) to standard output or FILE. It
// runs without a window or a display (from cron, say) and only reads the
// data file, so it also works while the program is open.

// Whether the command line asks for a search instead of the window.
bool isSearchCommand(int argc, char** argv);
// Runs the search; 0 when the CSV was written, else non-zero after a message
// on standard error.
int runSearchCommand(int argc, char** argv);
