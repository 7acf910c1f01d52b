// The compiled catalogs linked into the program: one GNU .mo image per
// language and encoding, made at build time from po/*.po (msgconv gives the
// Shift-JIS form, msgfmt compiles) and written out as bytes by
// cmake/EmbedCatalogs.cmake.
#ifndef LWALL_COMMON_CATALOG_IMAGES_H_
#define LWALL_COMMON_CATALOG_IMAGES_H_

#include <string_view>

#include "common/catalog.h"

namespace lwall {

// The image of `language` in `encoding`; empty when the build made none.
std::string_view CatalogImage(std::string_view language, TextEncoding encoding);

}  // namespace lwall

#endif  // LWALL_COMMON_CATALOG_IMAGES_H_
