#include <ZelGui/IProgressReporter.h>

IProgressReporter::~IProgressReporter() = default;
