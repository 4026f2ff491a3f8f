// A build tool: its opens are allowed.
std::ifstream source(in);
