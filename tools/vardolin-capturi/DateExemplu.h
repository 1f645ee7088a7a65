#pragma once

// A school and a dozen students with Romanian names, written through the student store into the
// open database, with a received pile of forms for the register.
void ScrieDateleDeExemplu();
