// The version and usage report version.txt, written for -V and -VC.
#pragma once

// Writes version.txt; the commented form adds a comment to each usage line.
void writeVersionReport(bool commented);
