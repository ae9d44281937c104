// The party's status pages: ste1.html, ste2.html, ste3.html, then left.html.
#pragma once

#include <string>

// Reads status1.dat to status3.dat of `folder` and rewrites the four pages.
// A detail page that cannot be created stops the detail pages after it;
// left.html is attempted all the same.
void writeStatusPages(const std::string& folder);
