#pragma once
#include <QString>

namespace tidepost {

struct Messages;

// What a text to print is. A transceiver's reply begins with the echo of its command, which is
// not printed; a stored message body, a sent text or a delivery confirmation has no echo and is
// printed whole.
enum class PrintedText { Reply, Body };

// Prints the text on the PC's default printer without asking anything: an empty line, then the
// text (a reply without its first line, which `text` then lacks too). A failure, such as no
// printer installed, queues the error box; nothing is retried.
void Print_Fetched_File(Messages& m, QString& text, PrintedText kind);

}  // namespace tidepost
