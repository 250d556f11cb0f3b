#pragma once

// Short-lived texts for paths, log lines and screen texts. Each result lives in one
// of 15 rotating 100-byte buffers and stays valid until 15 further results have
// been made; longer results are cut at 99 characters.
constexpr int textPoolSize = 15;
constexpr int textPoolBufferSize = 100;

const char* joinText(const char* a);
const char* joinText(const char* a, const char* b);
const char* joinText(const char* a, const char* b, const char* c);
const char* joinText(const char* a, const char* b, const char* c, const char* d);
const char* numberText(int n);
const char* textWithNumber(const char* a, int n);
const char* textNumberText(const char* a, int n, const char* b);
const char* chooseText(bool flag, const char* a, const char* b);
