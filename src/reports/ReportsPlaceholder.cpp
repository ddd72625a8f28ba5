// The report engine arrives with the reports; the library exists so that the
// executables link against their final layering from the start.
namespace reports {
int ReportsVersion() { return 0; }
}  // namespace reports
