// Stands for a statistics module of an older build: it exports an entry, but not under today's name.
extern "C" __attribute__((visibility("default"))) int quintel_open_statistics_v0() { return 0; }
