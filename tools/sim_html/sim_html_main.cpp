// sim-html IN.json OUT.html: the HTML report of a saved battle-sim document.
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "tools/sim_html/html_report.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: sim-html IN.json OUT.html\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "sim-html: cannot read " << argv[1] << "\n";
    return 2;
  }
  std::string page;
  try {
    page = renderHtmlReport(nlohmann::json::parse(in));
  } catch (const std::exception& error) {
    std::cerr << "sim-html: " << argv[1] << ": " << error.what() << "\n";
    return 2;
  }
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out << page;
  out.close();
  if (!out) {
    std::cerr << "sim-html: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
