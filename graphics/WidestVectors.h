#pragma once

// Marks a pixel kernel to be built for the 512-bit and 256-bit vector units
// as well as the baseline; the best one for the running processor is picked
// when the program loads. The 512-bit build measured fastest for the blend
// kernels on processors that have it.
#if defined(__x86_64__) && defined(__GNUC__)
#define WIDEST_VECTORS __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#else
#define WIDEST_VECTORS
#endif
