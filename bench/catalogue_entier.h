#pragma once
// The measures of docs/PERFORMANCE.md on whole catalogues made by gen-catalogue.

namespace bench {

// bench [N...]: the measures for each catalogue size (1000 10000 30000 when none is given).
int catalogueEntier(int argc, char** argv);

}  // namespace bench
