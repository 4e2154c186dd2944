#pragma once

#include "document/BranchChoice.h"

#include <QStringList>

// The branch choice is kept by each condition's order among the IFs. An edit
// that adds or removes a condition before another moves that order; each
// condition the edit left as written keeps the branch shown for it.
namespace BranchFollow {

// The conditions' openers as written, in the order their IFs stand.
QStringList conditionsOf(const QStringList &lines);

// The choice made for the conditions of `before`, carried to those of
// `after`: a condition whose opener is still there (matched in order, by its
// text) keeps its branch; a new or rewritten one shows its first.
BranchChoice across(const BranchChoice &choice, const QStringList &before, const QStringList &after);

} // namespace BranchFollow
