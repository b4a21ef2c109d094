#include "CriticalSection.h"

#include <windows.h>

struct CriticalSection::Impl {
  CRITICAL_SECTION section;
};

CriticalSection::CriticalSection() : m_impl(new Impl) {
  // Cannot fail on the systems the program supports (Vista and later).
  InitializeCriticalSectionAndSpinCount(&m_impl->section, kSpinCount);
}

CriticalSection::~CriticalSection() { DeleteCriticalSection(&m_impl->section); }

void CriticalSection::lock() { EnterCriticalSection(&m_impl->section); }

void CriticalSection::unlock() { LeaveCriticalSection(&m_impl->section); }
