#pragma once
// The site preview: rebuilds the frame of the site and opens it in the browser.

namespace app {
class Programme;
}

namespace frame {

void apercuSite(app::Programme& programme);

}  // namespace frame
