// Display names of the keys, for the key panel and the key configuration.
#pragma once

#include <string>

// Fills key_names from the list of named keys (codes without a name stay empty).
void fill_key_names();

// The key's display name, or "<Key " + code + ">" for a key without one.
std::string key_name(int code);

// How many named keys the list holds.
int key_name_count();
