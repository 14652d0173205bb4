// The file streams keep the same contract on Windows, through the A
// functions: the portable cases, run under Wine.
#include "file_streams_test.cpp"
