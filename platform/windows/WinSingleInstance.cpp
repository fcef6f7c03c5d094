// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The single-copy guard on Windows: a named mutex that only the first copy
// creates, and two named events through which a second copy asks the first
// to raise its window and hears that it did. The names are the folder's
// identity (platform/windows/FolderIdentity.h), so every spelling of its path
// meets on one lock, in the session's ("Local\") namespace.
#include "platform/SingleInstance.h"

#include <windows.h>

#include "platform/MainThread.h"
#include "platform/windows/FolderIdentity.h"
#include "platform/windows/WideText.h"

struct SingleInstance::SystemHandles {
    std::wstring mutexName, raiseName, answerName;
    HANDLE mutex = nullptr;
    HANDLE raise = nullptr;   // auto-reset: a second copy asks
    HANDLE answer = nullptr;  // auto-reset: the first copy took the request
    HANDLE stop = nullptr;    // ends the listener

    ~SystemHandles()
    {
        for (HANDLE h : {mutex, raise, answer, stop})
            if (h != nullptr)
                CloseHandle(h);
    }
};

SingleInstance::SingleInstance(const std::string& product, const std::filesystem::path& folder)
    : handler_(std::make_shared<std::function<void()>>()),
      system_(std::make_shared<SystemHandles>())
{
    const std::wstring base = L"Local\\" + Widen(product) + L"-" + FolderIdentity(folder);
    system_->mutexName = base + L"-lock";
    system_->raiseName = base + L"-raise";
    system_->answerName = base + L"-raised";
    lockPath_ = system_->mutexName;
    socketPath_ = system_->raiseName;
}

SingleInstance::~SingleInstance()
{
    StopListening();
}

bool SingleInstance::Acquire()
{
    if (system_->mutex != nullptr || first_)
        return first_;
    system_->mutex = CreateMutexW(nullptr, FALSE, system_->mutexName.c_str());
    if (system_->mutex == nullptr) {
        // Better to run twice than not at all.
        first_ = true;
        return true;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // The mutex lives as long as a handle to it: ours must not keep it
        // after the first copy is gone.
        CloseHandle(system_->mutex);
        system_->mutex = nullptr;
        first_ = false;
        return false;
    }
    first_ = true;
    system_->raise = CreateEventW(nullptr, FALSE, FALSE, system_->raiseName.c_str());
    system_->answer = CreateEventW(nullptr, FALSE, FALSE, system_->answerName.c_str());
    system_->stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (system_->raise != nullptr && system_->answer != nullptr && system_->stop != nullptr)
        listener_ = std::thread([this] { Listen(); });
    return true;
}

bool SingleInstance::AskFirstToRaise(int timeoutMs) const
{
    HANDLE raise = OpenEventW(EVENT_MODIFY_STATE, FALSE, system_->raiseName.c_str());
    HANDLE answer = OpenEventW(SYNCHRONIZE, FALSE, system_->answerName.c_str());
    bool answered = false;
    if (raise != nullptr && answer != nullptr) {
        // Started by the user, this copy may bring a window to the front;
        // it hands that right on to the first copy.
        AllowSetForegroundWindow(ASFW_ANY);
        answered = SetEvent(raise) && WaitForSingleObject(answer, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
    }
    for (HANDLE h : {raise, answer})
        if (h != nullptr)
            CloseHandle(h);
    return answered;
}

void SingleInstance::SetOnRaiseRequest(std::function<void()> handler)
{
    *handler_ = std::move(handler);
}

void SingleInstance::Listen()
{
    const std::weak_ptr<std::function<void()>> handler = handler_;
    const HANDLE waitFor[2] = {system_->stop, system_->raise};
    while (WaitForMultipleObjects(2, waitFor, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        PostToMainThread([handler] {
            if (auto h = handler.lock(); h && *h)
                (*h)();
        });
        SetEvent(system_->answer);
    }
}

void SingleInstance::StopListening()
{
    if (listener_.joinable()) {
        SetEvent(system_->stop);
        listener_.join();
    }
}
