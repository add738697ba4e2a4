// Writes Form1's HTML in the sheet's initial state to standard output: run once at build time
// (under node), so that the page shows the window at its first paint.
#include <cstdio>

#include "sheet/address_sheet.h"
#include "web/form1_html.h"

int main() {
  const std::string html = quorvel::web::form1Html(quorvel::AddressSheet());
  std::fwrite(html.data(), 1, html.size(), stdout);
  std::fflush(stdout);
  return 0;
}
