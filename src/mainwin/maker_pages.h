#pragma once
// The maker's web pages, opened from the about box and the Minidesk's
// context menu. The maker is Quillfen; its pages live under the reserved
// example domain until real ones exist.
namespace orvx::mainwin {

inline constexpr char kHomePage[] = "http://quillfen.example.com/";
inline constexpr char kContactPage[] = "http://quillfen.example.com/kontakt/";
inline constexpr char kDonationPage[] = "http://quillfen.example.com/spenden/";
inline constexpr char kBlogPage[] = "http://blog.quillfen.example.com/";

}  // namespace orvx::mainwin
