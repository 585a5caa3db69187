#pragma once
// The identifier texts (S03) of the language file that name the model
// identifiers the program accepts: a radio read afresh must report the
// first; a codeplug file may carry either.
namespace AcceptedModel {
constexpr int kIdentifierText = 610;
constexpr int kSecondIdentifierText = 620;
}  // namespace AcceptedModel
