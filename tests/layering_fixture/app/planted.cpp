// Planted for the layering check: an operating-system header outside the platform seam.
#include <unistd.h>
