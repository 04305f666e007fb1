// The bodies of Debian's stb_image and stb_image_write, compiled for the browser,
// where Debian's compiled libstb cannot be linked.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image.h>
#include <stb_image_write.h>
