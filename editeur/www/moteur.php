<?php
// Tarvio - keyword search of the shop.
// version 1.6
// Searches the words of the shop's keyword base (choix_liste.bdd beside this script, lines
// slug=reference=page, Windows-1252) and links to the list pages that show the products found.
// moteur_multi.php reads this file for its functions and searches several shops.

function texte($valeur)
{
    return htmlspecialchars((string) $valeur, ENT_QUOTES | ENT_SUBSTITUTE, 'Windows-1252');
}

function parametre($nom)
{
    $valeur = isset($_GET[$nom]) ? $_GET[$nom] : '';
    return is_string($valeur) ? $valeur : '';
}

// The words of a text as the program spells them in its page names: lower case, accents
// dropped, anything but letters and digits a separator.
function mots($texte)
{
    $texte = strtr($texte,
        "\xC0\xC1\xC2\xC3\xC4\xC5\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD2\xD3\xD4\xD5\xD6\xD9\xDA\xDB\xDC"
        . "\xE0\xE1\xE2\xE3\xE4\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF2\xF3\xF4\xF5\xF6\xF9\xFA\xFB\xFC\xFD\xFF",
        'AAAAAAEEEEIIIIOOOOOUUUUaaaaaceeeeiiiiooooouuuuyy');
    $mots = preg_split('/[^a-z0-9]+/', strtolower($texte), -1, PREG_SPLIT_NO_EMPTY);
    return array_values(array_unique($mots));
}

// The pages of one shop's table whose keyword has all its words among the words asked:
// page => the references found on it. $prefixe leads to the shop's folder.
function chercher($table, $demandes, $prefixe)
{
    $pages = array();
    $lignes = @file($table, FILE_IGNORE_NEW_LINES);
    if ($lignes === false || count($demandes) === 0) {
        return $pages;
    }
    foreach ($lignes as $ligne) {
        $morceaux = explode('=', rtrim($ligne, "\r\n"), 3);
        if (count($morceaux) !== 3 || trim($morceaux[2]) === '') {
            continue;
        }
        $cle = mots($morceaux[0]);
        if (count($cle) === 0 || count(array_diff($cle, $demandes)) > 0) {
            continue;
        }
        $page = $prefixe . trim($morceaux[2]);
        if (!isset($pages[$page])) {
            $pages[$page] = array();
        }
        if (!in_array($morceaux[1], $pages[$page], true)) {
            $pages[$page][] = $morceaux[1];
        }
    }
    return $pages;
}

// The search page: its form, then the pages found when words were asked.
function afficher($titre, $demande, $pages, $script)
{
    header('Content-Type: text/html; charset=windows-1252');
    echo "<html><head><title>" . texte($titre) . "</title>\r\n";
    echo "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\"></head><body>\r\n";
    echo "<form method=\"get\" action=\"" . texte($script) . "\" accept-charset=\"windows-1252\">\r\n";
    echo "<input type=\"text\" name=\"mots\" size=\"30\" value=\"" . texte($demande) . "\">\r\n";
    if (parametre('iframe') === 'oui') {
        echo "<input type=\"hidden\" name=\"iframe\" value=\"oui\">\r\n";
    }
    echo "<input type=\"submit\" value=\"Rechercher\">\r\n</form>\r\n";
    if (trim($demande) !== '') {
        if (count($pages) === 0) {
            echo "<p>Aucun produit ne correspond \xE0 votre recherche.</p>\r\n";
        } else {
            echo "<ul>\r\n";
            foreach ($pages as $page => $references) {
                echo "<li><a href=\"" . texte($page) . "\">" . texte($page) . "</a> : "
                    . texte(implode(', ', $references)) . "</li>\r\n";
            }
            echo "</ul>\r\n";
        }
    }
    echo "</body></html>\r\n";
}

if (!defined('TARVIO_MOTEUR_MULTI')) {
    $demande = parametre('mots');
    afficher('Recherche', $demande, chercher(__DIR__ . '/choix_liste.bdd', mots($demande), ''), 'moteur.php');
}
