// Placeholder until the module frame lands.
int hxwtPlaceholder = 0;
