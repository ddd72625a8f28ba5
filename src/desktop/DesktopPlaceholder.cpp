namespace desktop {
int DesktopVersion() { return 0; }
}  // namespace desktop
