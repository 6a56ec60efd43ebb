<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CBroadcastGridCtrl</name>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>CCaptionLine</name>
    <message>
        <source>%1 satellite</source>
        <translation>%1 satellite</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 satellites</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transpondeur</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 transpondeurs</translation>
    </message>
    <message>
        <source>%1 multiplex</source>
        <translation>%1 multiplex</translation>
    </message>
    <message>
        <source>%1 multiplexes</source>
        <translation>%1 multiplex</translation>
    </message>
    <message>
        <source>%1 provider</source>
        <translation>%1 fournisseur</translation>
    </message>
    <message>
        <source>%1 providers</source>
        <translation>%1 fournisseurs</translation>
    </message>
    <message>
        <source>%1 list</source>
        <translation>%1 liste</translation>
    </message>
    <message>
        <source>%1 lists</source>
        <translation>%1 listes</translation>
    </message>
</context>
<context>
    <name>CChannelForm</name>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Logical number</source>
        <translation>Numéro logique</translation>
    </message>
    <message>
        <source>Shown number</source>
        <translation>Numéro affiché</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de service</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>ID de réseau d’origine</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>ID de flux de transport</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID vidéo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Audio streams</source>
        <translation>Pistes audio</translation>
    </message>
    <message>
        <source>Subtitle streams</source>
        <translation>Pistes de sous-titres</translation>
    </message>
    <message>
        <source>CAS (hex)</source>
        <translation>CAS (hex)</translation>
    </message>
    <message>
        <source>Stream type (hex)</source>
        <translation>Type de flux (hex)</translation>
    </message>
    <message>
        <source>Code table</source>
        <translation>Table de caractères</translation>
    </message>
    <message>
        <source>Update Channel</source>
        <translation>Modifier la chaîne</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>Nouvelle chaîne TV</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>Nouvelle chaîne radio</translation>
    </message>
    <message>
        <source>A new channel is numbered after the last channel of its list.</source>
        <translation>Une nouvelle chaîne reçoit le numéro qui suit la dernière chaîne de sa liste.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>At most %1 characters</source>
        <translation>%1 caractères au plus</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Neither TV nor radio</source>
        <translation>Ni TV ni radio</translation>
    </message>
    <message>
        <source>Both TV and radio</source>
        <translation>TV et radio à la fois</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>A new channel takes the genre of the genre list it is made in.</source>
        <translation>Une nouvelle chaîne prend le genre de la liste de genre où elle est créée.</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Tuner byte %1</source>
        <translation>Octet tuner %1</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillée</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Cryptée</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorée</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multiplex %1</translation>
    </message>
    <message>
        <source>Multiplex</source>
        <translation>Multiplex</translation>
    </message>
    <message>
        <source>Satellite ID %1</source>
        <translation>ID satellite %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Broadcaster ID %1</source>
        <translation>ID fournisseur %1</translation>
    </message>
    <message>
        <source>Broadcaster</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>Transponder %1</source>
        <translation>Transpondeur %1</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>Flux</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Listes de favoris</translation>
    </message>
    <message>
        <source>%1 must be a hexadecimal number of at most %2 digits.</source>
        <translation>%1 doit être un nombre hexadécimal de %2 chiffres au plus.</translation>
    </message>
</context>
<context>
    <name>CChannelGridCtrl</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>CChannelListBar</name>
    <message>
        <source>Filter by name (Esc clears)</source>
        <translation>Filtrer par nom (Échap efface)</translation>
    </message>
    <message>
        <source>Nothing chosen</source>
        <translation>Aucun choix</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, names with “%2”</source>
        <translation>%1, noms avec «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 — %2 TV / %3 radio</source>
        <translation>%1 — %2 TV / %3 radio</translation>
    </message>
</context>
<context>
    <name>CDlgCompare</name>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
</context>
<context>
    <name>CDlgInformation</name>
    <message>
        <source>The maker&apos;s form (64-byte header with CRC)</source>
        <translation>Format du fabricant (en-tête de 64 octets avec CRC)</translation>
    </message>
    <message>
        <source>The working form (VX header)</source>
        <translation>Format de travail (en-tête VX)</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>satellite</translation>
    </message>
    <message>
        <source>terrestrial</source>
        <translation>terrestre</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>câble</translation>
    </message>
    <message>
        <source>Model %1, type 0x%2 (%3), byte order %4</source>
        <translation>Modèle %1, type 0x%2 (%3), ordre des octets %4</translation>
    </message>
    <message>
        <source>no reception bits</source>
        <translation>aucun bit de réception</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Listes de favoris</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondeurs</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Fournisseurs</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Multiplex terrestres</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Multiplex câble</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source>Scratch</source>
        <translation>Presse-papiers</translation>
    </message>
    <message>
        <source>%1 (this receiver does not save them)</source>
        <translation>%1 (ce récepteur ne les enregistre pas)</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3</source>
        <translation>%1 sur %2 utilisés, %3</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 libres</translation>
    </message>
    <message>
        <source>%1 too many to save</source>
        <translation>%1 de trop pour enregistrer</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>%1 TV, %2 radio</translation>
    </message>
    <message>
        <source>%1 locked, %2 skipped, %3 scrambled</source>
        <translation>%1 verrouillées, %2 ignorées, %3 cryptées</translation>
    </message>
    <message>
        <source>No duplicate channels</source>
        <translation>Aucune chaîne en double</translation>
    </message>
    <message>
        <source>%1 duplicate channels in %2 groups</source>
        <translation>%1 chaînes en double dans %2 groupes</translation>
    </message>
    <message>
        <source>CH# %1  %2  (%3, satellite %4, TPID %5, ids %6/%7/%8)</source>
        <translation>N° %1  %2  (%3, satellite %4, TPID %5, ID %6/%7/%8)</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>radio</translation>
    </message>
    <message>
        <source>Header form:</source>
        <translation>Format d’en-tête&#xa0;:</translation>
    </message>
    <message>
        <source>Product:</source>
        <translation>Produit&#xa0;:</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Chaînes&#xa0;:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Attributs&#xa0;:</translation>
    </message>
    <message>
        <source>Duplicates:</source>
        <translation>Doublons&#xa0;:</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>The list check finds no problem.</source>
        <translation>La vérification de la liste ne trouve aucun problème.</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… et %1 de plus</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>%1 channels: %2</source>
        <translation>%1 chaînes&#xa0;: %2</translation>
    </message>
    <message>
        <source>Select them in the channel lists</source>
        <translation>Les sélectionner dans les listes de chaînes</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Doublons</translation>
    </message>
</context>
<context>
    <name>CDlgPrintChoice</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print these lists:</source>
        <translation>Imprimer ces listes :</translation>
    </message>
    <message>
        <source>TV list</source>
        <translation>Liste TV</translation>
    </message>
    <message>
        <source>Radio list</source>
        <translation>Liste radio</translation>
    </message>
</context>
<context>
    <name>CDlgPrintPreview</name>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Numéro de page</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
</context>
<context>
    <name>CFAVTreeCtrl</name>
    <message>
        <source>Favorite</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>Le nom contient des caractères que Windows-1252 ne peut pas représenter.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>CLeftBottomView</name>
    <message>
        <source> Provider</source>
        <translation> Fournisseurs</translation>
    </message>
    <message>
        <source> Favorite</source>
        <translation> Favoris</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Fournisseurs</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes to the next pane.</source>
        <translation>Choisir une ligne filtre les listes. La touche Menu ou Maj+F10 ouvre les commandes ; F6 passe au volet suivant.</translation>
    </message>
    <message>
        <source>Favorite lists and genres</source>
        <translation>Listes de favoris et genres</translation>
    </message>
    <message>
        <source>Choosing a list or a genre shows its channels; F2 renames a favorite list.</source>
        <translation>Choisir une liste ou un genre affiche ses chaînes ; F2 renomme une liste de favoris.</translation>
    </message>
</context>
<context>
    <name>CLeftTopView</name>
    <message>
        <source> Satellite</source>
        <translation> Satellites</translation>
    </message>
    <message>
        <source> Mux information</source>
        <translation> Multiplex</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestre</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondeurs</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Multiplex terrestres</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Multiplex câble</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes to the next pane.</source>
        <translation>Choisir une ligne filtre les listes. La touche Menu ou Maj+F10 ouvre les commandes ; F6 passe au volet suivant.</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. F6 goes to the next pane.</source>
        <translation>Choisir une ligne filtre les listes. F6 passe au volet suivant.</translation>
    </message>
</context>
<context>
    <name>CLinkForm</name>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>Network (TCP)</source>
        <translation>Réseau (TCP)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Débit (bauds)</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>TCP port</source>
        <translation>Port TCP</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Recevoir</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Choose the line, press Receive, then start sending on the receiver.</source>
        <translation>Choisissez la liaison, appuyez sur «&#xa0;Recevoir&#xa0;», puis lancez l’envoi sur le récepteur.</translation>
    </message>
    <message>
        <source>Choose the line, start receiving on the receiver, then press Send.</source>
        <translation>Choisissez la liaison, lancez la réception sur le récepteur, puis appuyez sur «&#xa0;Envoyer&#xa0;».</translation>
    </message>
    <message>
        <source>Choose a serial port.</source>
        <translation>Choisissez un port série.</translation>
    </message>
    <message>
        <source>Enter the receiver&apos;s host name or address.</source>
        <translation>Saisissez le nom d’hôte ou l’adresse du récepteur.</translation>
    </message>
    <message>
        <source>Connecting: %1</source>
        <translation>Connexion&#xa0;: %1</translation>
    </message>
    <message>
        <source>Waiting for the receiver to send...</source>
        <translation>En attente de l’envoi du récepteur...</translation>
    </message>
    <message>
        <source>Waiting for the receiver to ask for the data...</source>
        <translation>En attente de la demande de données du récepteur...</translation>
    </message>
    <message>
        <source>Transfer failed: %1</source>
        <translation>Échec du transfert&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
</context>
<context>
    <name>CListTools</name>
    <message>
        <source>Compare with…</source>
        <translation>Comparer avec…</translation>
    </message>
    <message>
        <source>Show what another image or workbook has differently</source>
        <translation>Montre ce qu’une autre image ou un autre classeur a de différent</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Replace the channels by those of a CSV file</source>
        <translation>Remplace les chaînes par celles d’un fichier CSV</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Write the channels as a CSV file</source>
        <translation>Écrit les chaînes dans un fichier CSV</translation>
    </message>
    <message>
        <source>Import transponders…</source>
        <translation>Importer des transpondeurs…</translation>
    </message>
    <message>
        <source>Bring satellites and transponders up to date from a satellites.xml file</source>
        <translation>Met à jour les satellites et les transpondeurs depuis un fichier satellites.xml</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Counts, capacity and duplicates of the whole list</source>
        <translation>Nombres, capacité et doublons de toute la liste</translation>
    </message>
    <message>
        <source>Apply order</source>
        <translation>Appliquer l’ordre</translation>
    </message>
    <message>
        <source>Number the channels as another list numbers them</source>
        <translation>Numéroter les chaînes comme une autre liste</translation>
    </message>
    <message>
        <source>Apply the order of another list</source>
        <translation>Appliquer l’ordre d’une autre liste</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>There is not enough memory to finish the command. Nothing was changed.</source>
        <translation>La mémoire ne suffit pas pour terminer la commande. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <translation>La commande a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>The command failed.</source>
        <translation>La commande a échoué.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open existing database</source>
        <translation>Ouvrir une base de données existante</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Recevoir</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Recevoir la base du récepteur</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Envoyer la base au récepteur</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Refresh all</source>
        <translation>Tout actualiser</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations du programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo the last edit</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo the edit undone last</source>
        <translation>Rétablir la dernière modification annulée</translation>
    </message>
    <message>
        <source>Velmar for %1 - 8FAV</source>
        <translation>Velmar pour %1 - 8FAV</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Next pane</source>
        <translation>Volet suivant</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Volet précédent</translation>
    </message>
    <message>
        <source>Add to favorite list %1</source>
        <translation>Ajouter à la liste de favoris %1</translation>
    </message>
    <message>
        <source>The unsaved edits could not be kept in the recovery file, so a crash would lose them. Save the list to keep them.
%1</source>
        <translation>Les modifications non enregistrées n&apos;ont pas pu être conservées dans le fichier de récupération ; un plantage les ferait perdre. Enregistrez la liste pour les garder.
%1</translation>
    </message>
</context>
<context>
    <name>CPrintTools</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print the channel lists or save them as a PDF file</source>
        <translation>Imprime les listes de chaînes ou les enregistre en fichier PDF</translation>
    </message>
</context>
<context>
    <name>CRightView</name>
    <message>
        <source>Scrambled</source>
        <translation>Cryptée</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillée</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorée</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source> Channels</source>
        <translation> Chaînes</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>TV Only</source>
        <translation>TV seule</translation>
    </message>
    <message>
        <source>Radio Only</source>
        <translation>Radio seule</translation>
    </message>
    <message>
        <source>Lists shown</source>
        <translation>Listes affichées</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Chaînes TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Chaînes radio</translation>
    </message>
    <message>
        <source>Menu or Shift+F10 opens the commands; Ctrl+1 to Ctrl+8 add the selected channels to favorite list 1 to 8; F6 goes to the next pane.</source>
        <translation>La touche Menu ou Maj+F10 ouvre les commandes ; Ctrl+1 à Ctrl+8 ajoutent les chaînes sélectionnées à la liste de favoris 1 à 8 ; F6 passe au volet suivant.</translation>
    </message>
</context>
<context>
    <name>CSourceGridCtrl</name>
    <message>
        <source>No satellite ID is free: the highest ID is already 255.</source>
        <translation>Aucun ID de satellite n’est libre&#xa0;: le plus grand ID est déjà 255.</translation>
    </message>
    <message>
        <source>No multiplex ID is free: all 255 are in use.</source>
        <translation>Aucun ID de multiplex n’est libre&#xa0;: les 255 sont utilisés.</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>Le nom contient des caractères que Windows-1252 ne peut pas représenter.</translation>
    </message>
    <message>
        <source>No TPID is free on satellite %1.</source>
        <translation>Aucun TPID n’est libre sur le satellite %1.</translation>
    </message>
</context>
<context>
    <name>DeleteCounts</name>
    <message>
        <source>%1 channel is selected.</source>
        <translation>%1 chaîne est sélectionnée.</translation>
    </message>
    <message>
        <source>%1 channels are selected.</source>
        <translation>%1 chaînes sont sélectionnées.</translation>
    </message>
    <message>
        <source>%1 satellite is selected.</source>
        <translation>%1 satellite est sélectionné.</translation>
    </message>
    <message>
        <source>%1 satellites are selected.</source>
        <translation>%1 satellites sont sélectionnés.</translation>
    </message>
    <message>
        <source>%1 transponder is selected.</source>
        <translation>%1 transpondeur est sélectionné.</translation>
    </message>
    <message>
        <source>%1 transponders are selected.</source>
        <translation>%1 transpondeurs sont sélectionnés.</translation>
    </message>
    <message>
        <source>%1 multiplex is selected.</source>
        <translation>%1 multiplex est sélectionné.</translation>
    </message>
    <message>
        <source>%1 multiplexes are selected.</source>
        <translation>%1 multiplex sont sélectionnés.</translation>
    </message>
    <message>
        <source>%1 provider is selected.</source>
        <translation>%1 fournisseur est sélectionné.</translation>
    </message>
    <message>
        <source>%1 providers are selected.</source>
        <translation>%1 fournisseurs sont sélectionnés.</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transpondeur</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 transpondeurs</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 chaîne</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 chaînes</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Deleting it also deletes its %1.</source>
        <translation>Le supprimer supprime aussi ses %1.</translation>
    </message>
    <message>
        <source>Deleting them also deletes their %1.</source>
        <translation>Les supprimer supprime aussi leurs %1.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multiplex %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Receiver:</source>
        <translation>Récepteur&#xa0;:</translation>
    </message>
    <message>
        <source>Show the technical columns (record keys, satellite and transponder numbers, PIDs)</source>
        <translation>Afficher les colonnes techniques (clés d’enregistrement, numéros de satellite et de transpondeur, PID)</translation>
    </message>
    <message>
        <source>The choice takes effect when the program starts again.</source>
        <translation>Le choix prend effet au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Envoyer la base au récepteur</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Recevoir la base du récepteur</translation>
    </message>
    <message>
        <source>%1 of %2 bytes (%3%), %4 KiB/s</source>
        <translation>%1 sur %2 octets (%3&#xa0;%), %4 Kio/s</translation>
    </message>
    <message>
        <source>This form is not available in this version yet.
Nothing has been changed.</source>
        <translation>Ce formulaire n’est pas encore disponible dans cette version.
Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Transfert annulé</translation>
    </message>
    <message>
        <source>The sender cancelled the transfer</source>
        <translation>L’expéditeur a annulé le transfert</translation>
    </message>
    <message>
        <source>The receiver cancelled the transfer</source>
        <translation>Le récepteur a annulé le transfert</translation>
    </message>
</context>
<context>
    <name>RecordForm</name>
    <message>
        <source>Update Multiplex</source>
        <translation>Modifier le multiplex</translation>
    </message>
    <message>
        <source>New Multiplex</source>
        <translation>Nouveau multiplex</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Fréquence (MHz)</translation>
    </message>
    <message>
        <source>Symbol rate (kS/s)</source>
        <translation>Débit symbole (kS/s)</translation>
    </message>
    <message>
        <source>QAM</source>
        <translation>QAM</translation>
    </message>
    <message>
        <source>Inversion (0-%1)</source>
        <translation>Inversion (0-%1)</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>ID TS</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>ID réseau</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>ID de réseau d’origine</translation>
    </message>
    <message>
        <source>Update Satellite</source>
        <translation>Modifier le satellite</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Nouveau satellite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Position (degrees)</source>
        <translation>Position (degrés)</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Group 1</source>
        <translation>Groupe 1</translation>
    </message>
    <message>
        <source>Group 2</source>
        <translation>Groupe 2</translation>
    </message>
    <message>
        <source>Update Transponder</source>
        <translation>Modifier le transpondeur</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Nouveau transpondeur</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Satellite ID %1</source>
        <translation>ID satellite %1</translation>
    </message>
    <message>
        <source>Choose a satellite</source>
        <translation>Choisir un satellite</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>H (horizontal)</source>
        <translation>H (horizontale)</translation>
    </message>
    <message>
        <source>V (vertical)</source>
        <translation>V (verticale)</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Frequency must be a number of MHz with at most three decimals, up to 4294967.295.</source>
        <translation>La fréquence doit être un nombre de MHz avec au plus trois décimales, jusqu’à 4294967.295.</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>Le nom contient des caractères que Windows-1252 ne peut pas représenter.</translation>
    </message>
    <message>
        <source>Position must be from 0.0 to 180.0 degrees, with at most one decimal.</source>
        <translation>La position doit être comprise entre 0.0 et 180.0 degrés, avec au plus une décimale.</translation>
    </message>
    <message>
        <source>Satellite must be chosen from the list.</source>
        <translation>Le satellite doit être choisi dans la liste.</translation>
    </message>
</context>
<context>
    <name>Velmar</name>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>TPID</source>
        <translation>TPID</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>ID TS</translation>
    </message>
    <message>
        <source>Sat ID</source>
        <translation>ID sat.</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Fréq.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Débit S.</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarité</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Broadcast ID</source>
        <translation>ID fourn.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>MUX</source>
        <translation>MUX</translation>
    </message>
    <message>
        <source>Freq.(MHz)</source>
        <translation>Fréq. (MHz)</translation>
    </message>
    <message>
        <source>NET ID</source>
        <translation>ID réseau</translation>
    </message>
    <message>
        <source>ORG NID</source>
        <translation>NID orig.</translation>
    </message>
    <message>
        <source>Const</source>
        <translation>Const.</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invers.</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>TX Mod</source>
        <translation>Mode TX</translation>
    </message>
    <message>
        <source>C.R.</source>
        <translation>Rend. c.</translation>
    </message>
    <message>
        <source>Const.</source>
        <translation>Constell.</translation>
    </message>
    <message>
        <source>G.I.</source>
        <translation>Int. garde</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorité</translation>
    </message>
    <message>
        <source>Velmar for VX-7 and VX-8 satellite receivers - 8FAV</source>
        <translation>Velmar pour les récepteurs satellite VX-7 et VX-8 - 8FAV</translation>
    </message>
    <message>
        <source>About Velmar</source>
        <translation>À propos de Velmar</translation>
    </message>
    <message>
        <source>Velmar Version 1.4.6.10 (build:20090929)</source>
        <translation>Velmar version 1.4.6.10 (compilation&#xa0;: 20090929)</translation>
    </message>
    <message>
        <source>Channel database editor for digital-TV receivers</source>
        <translation>Éditeur de base de chaînes pour récepteurs TV numériques</translation>
    </message>
    <message>
        <source>Cannot open or invalid version file</source>
        <translation>Impossible d’ouvrir le fichier, ou version de fichier non valide</translation>
    </message>
    <message>
        <source>Cannot save channel file</source>
        <translation>Impossible d’enregistrer le fichier des chaînes</translation>
    </message>
    <message>
        <source>Cannot read file header. Continue?</source>
        <translation>Impossible de lire l’en-tête du fichier. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot open file %s.</source>
        <translation>Impossible d’ouvrir le fichier %s.</translation>
    </message>
    <message>
        <source>The channel data has changed since it was opened or saved. Save the changes?</source>
        <translation>Les données des chaînes ont changé depuis leur ouverture ou leur enregistrement. Enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>The image was opened, but its working copy in the temporary directory could not be written. The channel list is complete in memory and saves as usual.</source>
        <translation>L’image a été ouverte, mais sa copie de travail n’a pas pu être écrite dans le dossier temporaire. La liste des chaînes est complète en mémoire et s’enregistre comme d’habitude.</translation>
    </message>
    <message>
        <source>The channel list has problems that the receiver may not handle. Save it anyway?</source>
        <translation>La liste des chaînes a des problèmes que le récepteur risque de ne pas gérer. L’enregistrer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The channel list has problems that the receiver may not handle. Send it anyway?</source>
        <translation>La liste des chaînes a des problèmes que le récepteur risque de ne pas gérer. L’envoyer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Enregistrer quand même</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Envoyer quand même</translation>
    </message>
    <message>
        <source>Load Channel Data</source>
        <translation>Charger les données des chaînes</translation>
    </message>
    <message>
        <source>Save Channel Data</source>
        <translation>Enregistrer les données des chaînes</translation>
    </message>
    <message>
        <source>Save Default Channel Data</source>
        <translation>Enregistrer les données de chaînes par défaut</translation>
    </message>
    <message>
        <source>Local file (*.h)|*.bin|All Files(*.*)|*.*||</source>
        <translation>Fichier local (*.h)|*.bin|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>You have to restart this program now.</source>
        <translation>Vous devez maintenant redémarrer le programme.</translation>
    </message>
    <message>
        <source>Binary file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||</source>
        <translation>Fichier binaire (*.bin)|*.bin|Fichier Excel (*.xls)|*.xls|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Local file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||</source>
        <translation>Fichier local (*.bin)|*.bin|Fichier Excel (*.xls)|*.xls|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Voulez-vous supprimer les éléments sélectionnés&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot change Favorite name. mismatch string size</source>
        <translation>Impossible de changer le nom des favoris&#xa0;: la longueur du texte ne correspond pas.</translation>
    </message>
    <message>
        <source>Cannot copy from Radio channels to TV channels</source>
        <translation>Impossible de copier des chaînes radio vers les chaînes TV</translation>
    </message>
    <message>
        <source>Cannot copy from TV channels to Radio channels</source>
        <translation>Impossible de copier des chaînes TV vers les chaînes radio</translation>
    </message>
    <message>
        <source>Cannot Move from Radio channels to TV channels</source>
        <translation>Impossible de déplacer des chaînes radio vers les chaînes TV</translation>
    </message>
    <message>
        <source>Cannot move from TV channels to Radio channels</source>
        <translation>Impossible de déplacer des chaînes TV vers les chaînes radio</translation>
    </message>
    <message>
        <source>Broadcast Name : %s (ID : %d)</source>
        <translation>Nom du fournisseur&#xa0;: %s (ID&#xa0;: %d)</translation>
    </message>
    <message>
        <source>Upload data is empty or invalid</source>
        <translation>Les données à envoyer sont vides ou non valides</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestre</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Multiplex</source>
        <translation>Multiplex</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Fav</source>
        <translation>Fav.</translation>
    </message>
    <message>
        <source>SatID</source>
        <translation>ID sat.</translation>
    </message>
    <message>
        <source>CH#</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>VPID</source>
        <translation>PID V</translation>
    </message>
    <message>
        <source>APID</source>
        <translation>PID A</translation>
    </message>
    <message>
        <source>PCR-PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Débit symbole</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Logical number</source>
        <translation>Numéro logique</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de service</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID vidéo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillée</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Cryptée</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorée</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source>Broadcaster</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>Select All      Ctrl+A</source>
        <translation>Tout sélectionner      Ctrl+A</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Tuner 1</source>
        <translation>Tuner 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>Tuner 2</translation>
    </message>
    <message>
        <source>New...        	Ctrl+N</source>
        <translation>Nouveau...        	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Copy          	Ctrl+C</source>
        <translation>Copier          	Ctrl+C</translation>
    </message>
    <message>
        <source>Paste         	Ctrl+V</source>
        <translation>Coller         	Ctrl+V</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Déplacer ici</translation>
    </message>
    <message>
        <source>Lock...</source>
        <translation>Verrouiller...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Skip...</source>
        <translation>Ignorer...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Sélectionner...</translation>
    </message>
    <message>
        <source>Invert selection</source>
        <translation>Inverser la sélection</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Description...	Entrée</translation>
    </message>
    <message>
        <source>New...            Ctrl+N</source>
        <translation>Nouveau...            Ctrl+N</translation>
    </message>
    <message>
        <source>Delete             Delete</source>
        <translation>Supprimer             Suppr</translation>
    </message>
    <message>
        <source>Description...   Enter</source>
        <translation>Description...   Entrée</translation>
    </message>
    <message>
        <source>Delete        	Delete</source>
        <translation>Supprimer        	Suppr</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Lock On</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Lock Off</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>Skip On</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Skip Off</source>
        <translation>Ne plus ignorer</translation>
    </message>
    <message>
        <source>Set satellite</source>
        <translation>Définir le satellite</translation>
    </message>
    <message>
        <source>Set multiplex</source>
        <translation>Définir le multiplex</translation>
    </message>
    <message>
        <source>Set transponder</source>
        <translation>Définir le transpondeur</translation>
    </message>
    <message>
        <source>Set broadcaster</source>
        <translation>Définir le fournisseur</translation>
    </message>
    <message>
        <source>Add to favourite list</source>
        <translation>Ajouter à la liste de favoris</translation>
    </message>
    <message>
        <source>Set genre</source>
        <translation>Définir le genre</translation>
    </message>
    <message>
        <source>Move channels</source>
        <translation>Déplacer des chaînes</translation>
    </message>
    <message>
        <source>Reorder favourite list</source>
        <translation>Réordonner la liste de favoris</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Nouveau satellite</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Modifier le satellite</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>Supprimer le satellite</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Nouveau transpondeur</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Modifier le transpondeur</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Supprimer le transpondeur</translation>
    </message>
    <message>
        <source>Move transponders</source>
        <translation>Déplacer des transpondeurs</translation>
    </message>
    <message>
        <source>New multiplex</source>
        <translation>Nouveau multiplex</translation>
    </message>
    <message>
        <source>Update multiplex</source>
        <translation>Modifier le multiplex</translation>
    </message>
    <message>
        <source>Delete multiplex</source>
        <translation>Supprimer le multiplex</translation>
    </message>
    <message>
        <source>New broadcaster</source>
        <translation>Nouveau fournisseur</translation>
    </message>
    <message>
        <source>Update broadcaster</source>
        <translation>Modifier le fournisseur</translation>
    </message>
    <message>
        <source>Delete broadcaster</source>
        <translation>Supprimer le fournisseur</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>Renommer la liste de favoris</translation>
    </message>
    <message>
        <source>Import workbook</source>
        <translation>Importer un classeur</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Appliquer l’ordre</translation>
    </message>
    <message>
        <source>Add to this list</source>
        <translation>Ajouter à cette liste</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <source>Import transponders</source>
        <translation>Importer des transpondeurs</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Cinéma</translation>
    </message>
    <message>
        <source>News and Factual</source>
        <translation>Infos et magazines</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Divertissement</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Children&apos;s</source>
        <translation>Jeunesse</translation>
    </message>
    <message>
        <source>Factual</source>
        <translation>Magazines</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Éducation</translation>
    </message>
    <message>
        <source>Lifestyle</source>
        <translation>Art de vivre</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>Drame</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>Culture</translation>
    </message>
    <message>
        <source>Current Affairs</source>
        <translation>Actualité</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Spécial</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Comédie</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>Documentaire</translation>
    </message>
    <message>
        <source>Compare with another list</source>
        <translation>Comparer avec une autre liste</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>Differences between this list and %1: %2</source>
        <translation>Différences entre cette liste et %1 : %2</translation>
    </message>
    <message>
        <source>The two lists are the same.</source>
        <translation>Les deux listes sont identiques.</translation>
    </message>
    <message>
        <source>The other list has no satellites: the channels&apos; tuning was compared by their ids.</source>
        <translation>L’autre liste ne contient aucun satellite : le réglage des chaînes a été comparé d’après leurs identifiants.</translation>
    </message>
    <message>
        <source>Only in this list</source>
        <translation>Uniquement dans cette liste</translation>
    </message>
    <message>
        <source>Only in the other list</source>
        <translation>Uniquement dans l’autre liste</translation>
    </message>
    <message>
        <source>Number changed</source>
        <translation>Numéro modifié</translation>
    </message>
    <message>
        <source>Name changed</source>
        <translation>Nom modifié</translation>
    </message>
    <message>
        <source>Tuning changed</source>
        <translation>Réglage modifié</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Attributs modifiés</translation>
    </message>
    <message>
        <source>Favourite lists changed</source>
        <translation>Listes de favoris modifiées</translation>
    </message>
    <message>
        <source>Satellites only in this list</source>
        <translation>Satellites uniquement dans cette liste</translation>
    </message>
    <message>
        <source>Satellites only in the other list</source>
        <translation>Satellites uniquement dans l’autre liste</translation>
    </message>
    <message>
        <source>Satellite renamed</source>
        <translation>Satellite renommé</translation>
    </message>
    <message>
        <source>Transponders only in this list</source>
        <translation>Transpondeurs uniquement dans cette liste</translation>
    </message>
    <message>
        <source>Transponders only in the other list</source>
        <translation>Transpondeurs uniquement dans l’autre liste</translation>
    </message>
    <message>
        <source>Transponder changed</source>
        <translation>Transpondeur modifié</translation>
    </message>
    <message>
        <source>Multiplexes only in this list</source>
        <translation>Multiplex uniquement dans cette liste</translation>
    </message>
    <message>
        <source>Multiplexes only in the other list</source>
        <translation>Multiplex uniquement dans l’autre liste</translation>
    </message>
    <message>
        <source>Multiplex changed</source>
        <translation>Multiplex modifié</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Importer les chaînes depuis un CSV</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Exporter les chaînes en CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|All Files(*.*)|*.*||</source>
        <translation>Fichier CSV (*.csv)|*.csv|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Importer les transpondeurs</translation>
    </message>
    <message>
        <source>Satellite list (*.xml)|*.xml|All Files(*.*)|*.*||</source>
        <translation>Liste de satellites (*.xml)|*.xml|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Bring these satellites up to date:</source>
        <translation>Mettre à jour ces satellites :</translation>
    </message>
    <message>
        <source>%1  %2  (%3, in this list)</source>
        <translation>%1  %2  (%3, dans cette liste)</translation>
    </message>
    <message>
        <source>%1  %2  (%3, new)</source>
        <translation>%1  %2  (%3, nouveau)</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders</source>
        <translation>
            <numerusform>%1 transpondeur</numerusform>
            <numerusform>%1 transpondeurs</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete transponders the file does not have</source>
        <translation>Supprimer les transpondeurs absents du fichier</translation>
    </message>
    <message>
        <source>Their channels are deleted with them, as the transponder grid&apos;s Delete does.</source>
        <translation>Leurs chaînes sont supprimées avec eux, comme le fait la suppression dans la liste des transpondeurs.</translation>
    </message>
    <message>
        <source>The file lists no satellites. Nothing was changed.</source>
        <translation>Le fichier ne contient aucun satellite. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>There is not enough memory to finish the command. Nothing was changed.</source>
        <translation>Mémoire insuffisante pour terminer la commande. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The command failed: %s</source>
        <translation>La commande a échoué : %s</translation>
    </message>
    <message>
        <source>Inversion</source>
        <translation>Inversion</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>ID réseau</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>ID de réseau d’origine</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Groupe %1 %2</translation>
    </message>
    <message>
        <source>Satellite receiver with one tuner and compact channel entries (the start-up choice)</source>
        <translation>Récepteur satellite à un tuner et à entrées de chaîne compactes (le choix au démarrage)</translation>
    </message>
    <message>
        <source>VX-7 and VX-8 satellite receivers</source>
        <translation>les récepteurs satellite VX-7 et VX-8</translation>
    </message>
    <message>
        <source>Satellite receiver with long satellite entries; each channel keeps its place in eight favourite lists</source>
        <translation>Récepteur satellite à entrées de satellite longues&#xa0;; chaque chaîne garde sa place dans huit listes de favoris</translation>
    </message>
    <message>
        <source>VX-8 Plus satellite receivers</source>
        <translation>les récepteurs satellite VX-8 Plus</translation>
    </message>
    <message>
        <source>Satellite receiver with full channel entries; each channel keeps its place in 24 favourite lists</source>
        <translation>Récepteur satellite à entrées de chaîne complètes&#xa0;; chaque chaîne garde sa place dans 24 listes de favoris</translation>
    </message>
    <message>
        <source>VX-1 satellite receivers</source>
        <translation>les récepteurs satellite VX-1</translation>
    </message>
    <message>
        <source>Satellite receiver with long satellite entries and full channel entries; each channel keeps its place in 32 favourite lists</source>
        <translation>Récepteur satellite à entrées de satellite longues et entrées de chaîne complètes&#xa0;; chaque chaîne garde sa place dans 32 listes de favoris</translation>
    </message>
    <message>
        <source>VX-64 satellite receivers</source>
        <translation>les récepteurs satellite VX-64</translation>
    </message>
    <message>
        <source>Cable receiver with two tuners; every channel is stored once for each tuner</source>
        <translation>Récepteur câble à deux tuners&#xa0;; chaque chaîne est enregistrée une fois par tuner</translation>
    </message>
    <message>
        <source>VX-5 twin-tuner cable receivers</source>
        <translation>les récepteurs câble à double tuner VX-5</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver with two tuners; every channel is stored once for each tuner</source>
        <translation>Récepteur terrestre (antenne) à deux tuners&#xa0;; chaque chaîne est enregistrée une fois par tuner</translation>
    </message>
    <message>
        <source>VX-6 twin-tuner terrestrial receivers</source>
        <translation>les récepteurs terrestres à double tuner VX-6</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver; multiplexes instead of satellites</source>
        <translation>Récepteur terrestre (antenne)&#xa0;; des multiplex au lieu des satellites</translation>
    </message>
    <message>
        <source>VX-1T terrestrial receivers</source>
        <translation>les récepteurs terrestres VX-1T</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver with network channel entries (logical channel numbers) and eight favourite lists</source>
        <translation>Récepteur terrestre (antenne) à entrées de chaîne réseau (numéros logiques de chaîne) et huit listes de favoris</translation>
    </message>
    <message>
        <source>VX-9 terrestrial receivers</source>
        <translation>les récepteurs terrestres VX-9</translation>
    </message>
    <message>
        <source>Cable receiver; cable multiplexes instead of satellites</source>
        <translation>Récepteur câble&#xa0;; des multiplex câble au lieu des satellites</translation>
    </message>
    <message>
        <source>VX-2 cable receivers</source>
        <translation>les récepteurs câble VX-2</translation>
    </message>
    <message>
        <source>Receiver with a satellite and a terrestrial tuner; the terrestrial multiplexes have their own tab</source>
        <translation>Récepteur à tuner satellite et tuner terrestre&#xa0;; les multiplex terrestres ont leur propre onglet</translation>
    </message>
    <message>
        <source>VX-3 satellite and terrestrial receivers</source>
        <translation>les récepteurs satellite et terrestres VX-3</translation>
    </message>
    <message>
        <source>Cable receiver that keeps its multiplexes, providers and channels together in one block</source>
        <translation>Récepteur câble qui garde ses multiplex, fournisseurs et chaînes ensemble dans un seul bloc</translation>
    </message>
    <message>
        <source>VX-10 cable receivers</source>
        <translation>les récepteurs câble VX-10</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transpondeur</translation>
    </message>
    <message>
        <source>%1 must be a number from 0 to %2.</source>
        <translation>%1&#xa0;: saisissez un nombre de 0 à %2.</translation>
    </message>
    <message>
        <source>%1 must have at most %2 characters.</source>
        <translation>%1&#xa0;: %2 caractères au plus.</translation>
    </message>
    <message>
        <source>%1 must be between 0 and %2.</source>
        <translation>%1&#xa0;: la valeur doit être comprise entre 0 et %2.</translation>
    </message>
    <message>
        <source>%1 must not be 0: the receiver reads it as an empty slot.</source>
        <translation>%1 ne doit pas valoir 0&#xa0;: le récepteur y voit un emplacement vide.</translation>
    </message>
    <message>
        <source>Name must not be empty.</source>
        <translation>Le nom ne doit pas être vide.</translation>
    </message>
    <message>
        <source>Attributes must mark the channel as either TV (0x0400) or radio (0x0800).</source>
        <translation>Attributes doit marquer la chaîne soit comme TV (0x0400), soit comme radio (0x0800).</translation>
    </message>
    <message>
        <source>Tuner must be 0 on this receiver: other values mark the second tuner&apos;s copy.</source>
        <translation>Tuner doit valoir 0 sur ce récepteur&#xa0;: les autres valeurs marquent la copie du second tuner.</translation>
    </message>
    <message>
        <source>Degree must be below 3600 (tenths of a degree).</source>
        <translation>Degree doit être inférieur à 3600 (dixièmes de degré).</translation>
    </message>
    <message>
        <source>ID must not be 0.</source>
        <translation>L’ID ne doit pas valoir 0.</translation>
    </message>
    <message>
        <source>ID %1 belongs to another satellite.</source>
        <translation>L’ID %1 appartient à un autre satellite.</translation>
    </message>
    <message>
        <source>TPID %1 belongs to another transponder of satellite %2.</source>
        <translation>Le TPID %1 appartient à un autre transpondeur du satellite %2.</translation>
    </message>
    <message>
        <source>TPID %1 belongs to another multiplex.</source>
        <translation>Le TPID %1 appartient à un autre multiplex.</translation>
    </message>
    <message numerus="yes">
        <source>Matched %1 channels by ids and %2 by name; %3 not matched.</source>
        <translation>
            <numerusform>%1 chaîne associée par identifiants, %2 par nom&#xa0;; sans correspondance&#xa0;: %3.</numerusform>
            <numerusform>%1 chaînes associées par identifiants, %2 par nom&#xa0;; sans correspondance&#xa0;: %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>TV %1 %2</source>
        <translation>TV %1 %2</translation>
    </message>
    <message>
        <source>radio %1 %2</source>
        <translation>radio %1 %2</translation>
    </message>
    <message>
        <source>%1 channel shares a number with another channel of its kind</source>
        <translation>%1 chaîne partage son numéro avec une autre chaîne du même type</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels share a number with another channel of their kind</source>
        <translation>
            <numerusform>%1 chaîne partage son numéro avec une autre chaîne du même type</numerusform>
            <numerusform>%1 chaînes partagent leur numéro avec une autre chaîne du même type</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (satellite %2)</source>
        <translation>%1 (satellite %2)</translation>
    </message>
    <message>
        <source>%1 (transponder %2 of satellite %3)</source>
        <translation>%1 (transpondeur %2 du satellite %3)</translation>
    </message>
    <message>
        <source>%1 (multiplex %2)</source>
        <translation>%1 (multiplex %2)</translation>
    </message>
    <message>
        <source>%1 (provider %2)</source>
        <translation>%1 (fournisseur %2)</translation>
    </message>
    <message>
        <source>transponder %1 MHz (satellite %2)</source>
        <translation>transpondeur %1 MHz (satellite %2)</translation>
    </message>
    <message>
        <source>%1 channel names a satellite the list does not have</source>
        <translation>%1 chaîne désigne un satellite absent de la liste</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a satellite the list does not have</source>
        <translation>
            <numerusform>%1 chaîne désigne un satellite absent de la liste</numerusform>
            <numerusform>%1 chaînes désignent un satellite absent de la liste</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a transponder the list does not have</source>
        <translation>%1 chaîne désigne un transpondeur absent de la liste</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a transponder the list does not have</source>
        <translation>
            <numerusform>%1 chaîne désigne un transpondeur absent de la liste</numerusform>
            <numerusform>%1 chaînes désignent un transpondeur absent de la liste</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a multiplex the list does not have</source>
        <translation>%1 chaîne désigne un multiplex absent de la liste</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a multiplex the list does not have</source>
        <translation>
            <numerusform>%1 chaîne désigne un multiplex absent de la liste</numerusform>
            <numerusform>%1 chaînes désignent un multiplex absent de la liste</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a provider the list does not have</source>
        <translation>%1 chaîne désigne un fournisseur absent de la liste</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a provider the list does not have</source>
        <translation>
            <numerusform>%1 chaîne désigne un fournisseur absent de la liste</numerusform>
            <numerusform>%1 chaînes désignent un fournisseur absent de la liste</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 transponder names a satellite the list does not have</source>
        <translation>%1 transpondeur désigne un satellite absent de la liste</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders name a satellite the list does not have</source>
        <translation>
            <numerusform>%1 transpondeur désigne un satellite absent de la liste</numerusform>
            <numerusform>%1 transpondeurs désignent un satellite absent de la liste</numerusform>
        </translation>
    </message>
    <message>
        <source>favourite list %1 (TV)</source>
        <translation>liste de favoris %1 (TV)</translation>
    </message>
    <message>
        <source>favourite list %1 (radio)</source>
        <translation>liste de favoris %1 (radio)</translation>
    </message>
    <message>
        <source>%1 favourite list has positions that repeat or leave holes</source>
        <translation>%1 liste de favoris a des positions répétées ou manquantes</translation>
    </message>
    <message numerus="yes">
        <source>%1 favourite lists have positions that repeat or leave holes</source>
        <translation>
            <numerusform>%1 liste de favoris a des positions répétées ou manquantes</numerusform>
            <numerusform>%1 listes de favoris ont des positions répétées ou manquantes</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>satellite %1</translation>
    </message>
    <message>
        <source>provider %1</source>
        <translation>fournisseur %1</translation>
    </message>
    <message>
        <source>%1 name holds characters the receiver cannot show</source>
        <translation>%1 nom contient des caractères que le récepteur ne peut pas afficher</translation>
    </message>
    <message numerus="yes">
        <source>%1 names hold characters the receiver cannot show</source>
        <translation>
            <numerusform>%1 nom contient des caractères que le récepteur ne peut pas afficher</numerusform>
            <numerusform>%1 noms contiennent des caractères que le récepteur ne peut pas afficher</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 mark neither TV nor radio</source>
        <translation>
            <numerusform>%1 n’est marquée ni TV ni radio</numerusform>
            <numerusform>%1 ne sont marquées ni TV ni radio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 mark both TV and radio</source>
        <translation>
            <numerusform>%1 est marquée à la fois TV et radio</numerusform>
            <numerusform>%1 sont marquées à la fois TV et radio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 have the number 0</source>
        <translation>
            <numerusform>%1 a le numéro 0</numerusform>
            <numerusform>%1 ont le numéro 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 have no name</source>
        <translation>
            <numerusform>%1 n’a pas de nom</numerusform>
            <numerusform>%1 n’ont pas de nom</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name satellite %2, which the image does not have</source>
        <translation>%1 avec le satellite %2, absent de l’image</translation>
    </message>
    <message numerus="yes">
        <source>%1 name satellites %2, which the image does not have</source>
        <translation>
            <numerusform>%1 avec le satellite %2, absent de l’image</numerusform>
            <numerusform>%1 avec les satellites %2, absents de l’image</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name transponder %2, which the image does not have on their satellite</source>
        <translation>%1 avec le transpondeur %2, absent de l’image sur leur satellite</translation>
    </message>
    <message numerus="yes">
        <source>%1 name transponders %2, which the image does not have on their satellite</source>
        <translation>
            <numerusform>%1 avec le transpondeur %2, absent de l’image sur leur satellite</numerusform>
            <numerusform>%1 avec les transpondeurs %2, absents de l’image sur leur satellite</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name multiplex %2, which the image does not have</source>
        <translation>%1 avec le multiplex %2, absent de l’image</translation>
    </message>
    <message numerus="yes">
        <source>%1 name multiplexes %2, which the image does not have</source>
        <translation>
            <numerusform>%1 avec le multiplex %2, absent de l’image</numerusform>
            <numerusform>%1 avec les multiplex %2, absents de l’image</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name provider %2, which the image does not have</source>
        <translation>%1 avec le fournisseur %2, absent de l’image</translation>
    </message>
    <message numerus="yes">
        <source>%1 name providers %2, which the image does not have</source>
        <translation>
            <numerusform>%1 avec le fournisseur %2, absent de l’image</numerusform>
            <numerusform>%1 avec les fournisseurs %2, absents de l’image</numerusform>
        </translation>
    </message>
    <message>
        <source>None of the %1 row of Channel can be imported: %2. The channel list was not changed.</source>
        <translation>La ligne de Channel ne peut pas être importée&#xa0;: %2. La liste des chaînes n’a pas été modifiée.</translation>
    </message>
    <message numerus="yes">
        <source>None of the %1 rows of Channel can be imported: %2. The channel list was not changed.</source>
        <translation>
            <numerusform>Aucune des %1 lignes de Channel ne peut être importée&#xa0;: %2. La liste des chaînes n’a pas été modifiée.</numerusform>
            <numerusform>Aucune des %1 lignes de Channel ne peut être importée&#xa0;: %2. La liste des chaînes n’a pas été modifiée.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 row of Channel was not imported: %2.</source>
        <translation>%1 ligne de Channel n’a pas été importée&#xa0;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of Channel were not imported: %2.</source>
        <translation>
            <numerusform>%1 ligne de Channel n’a pas été importée&#xa0;: %2.</numerusform>
            <numerusform>%1 lignes de Channel n’ont pas été importées&#xa0;: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Of the rows imported, %1; the check before Save and Send lists them.</source>
        <translation>Parmi les lignes importées&#xa0;: %1&#xa0;; la vérification avant l’enregistrement et l’envoi les liste.</translation>
    </message>
    <message>
        <source>%1 row of Channel had a number that an earlier row has and now follows the last channel of its kind.</source>
        <translation>%1 ligne de Channel avait un numéro déjà pris par une ligne précédente et suit maintenant la dernière chaîne de son type.</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of Channel had a number that earlier rows have and now follow the last channels of their kind.</source>
        <translation>
            <numerusform>%1 ligne de Channel avait un numéro déjà pris par une ligne précédente et suit maintenant la dernière chaîne de son type.</numerusform>
            <numerusform>%1 lignes de Channel avaient un numéro déjà pris par des lignes précédentes et suivent maintenant les dernières chaînes de leur type.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 satellite</source>
        <translation>%1 satellite</translation>
    </message>
    <message numerus="yes">
        <source>%1 satellites</source>
        <translation>
            <numerusform>%1 satellite</numerusform>
            <numerusform>%1 satellites</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 chaîne</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels</source>
        <translation>
            <numerusform>%1 chaîne</numerusform>
            <numerusform>%1 chaînes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 added, %2 brought up to date; transponders: %3 added, %4 updated, %5 unchanged, %6 deleted with %7.</source>
        <translation>Ajoutés&#xa0;: %1, mis à jour&#xa0;: %2&#xa0;; transpondeurs — ajoutés&#xa0;: %3, modifiés&#xa0;: %4, inchangés&#xa0;: %5, supprimés&#xa0;: %6 avec %7.</translation>
    </message>
    <message>
        <source>%1 added, %2 brought up to date; transponders: %3 added, %4 updated, %5 unchanged.</source>
        <translation>Ajoutés&#xa0;: %1, mis à jour&#xa0;: %2&#xa0;; transpondeurs — ajoutés&#xa0;: %3, modifiés&#xa0;: %4, inchangés&#xa0;: %5.</translation>
    </message>
    <message>
        <source>%1 transponder of the list the file no longer has was kept:</source>
        <translation>%1 transpondeur de la liste absent du fichier a été conservé&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders of the list the file no longer has were kept:</source>
        <translation>
            <numerusform>%1 transpondeur de la liste absent du fichier a été conservé&#xa0;:</numerusform>
            <numerusform>%1 transpondeurs de la liste absents du fichier ont été conservés&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 a frequency outside 1 to 65,535 MHz</source>
        <translation>
            <numerusform>%1 avec une fréquence hors de 1 à 65&#xa0;535 MHz</numerusform>
            <numerusform>%1 avec une fréquence hors de 1 à 65&#xa0;535 MHz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 a symbol rate outside 1 to 65,535 kS/s</source>
        <translation>
            <numerusform>%1 avec un débit symbole hors de 1 à 65&#xa0;535 kS/s</numerusform>
            <numerusform>%1 avec un débit symbole hors de 1 à 65&#xa0;535 kS/s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 16APSK or 32APSK, which the receiver cannot hold</source>
        <translation>
            <numerusform>%1 en 16APSK ou 32APSK, que le récepteur ne peut pas enregistrer</numerusform>
            <numerusform>%1 en 16APSK ou 32APSK, que le récepteur ne peut pas enregistrer</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 transponder of the file was not imported: %2.</source>
        <translation>%1 transpondeur du fichier n’a pas été importé&#xa0;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders of the file were not imported: %2.</source>
        <translation>
            <numerusform>%1 transpondeur du fichier n’a pas été importé&#xa0;: %2.</numerusform>
            <numerusform>%1 transpondeurs du fichier n’ont pas été importés&#xa0;: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 circular transponder was taken with left as H and right as V.</source>
        <translation>%1 transpondeur circulaire a été repris avec gauche en H et droite en V.</translation>
    </message>
    <message numerus="yes">
        <source>%1 circular transponders were taken with left as H and right as V.</source>
        <translation>
            <numerusform>%1 transpondeur circulaire a été repris avec gauche en H et droite en V.</numerusform>
            <numerusform>%1 transpondeurs circulaires ont été repris avec gauche en H et droite en V.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 FEC the receiver has no name for was taken as Auto.</source>
        <translation>%1 FEC sans nom pour le récepteur a été repris en Auto.</translation>
    </message>
    <message numerus="yes">
        <source>%1 FECs the receiver has no name for were taken as Auto.</source>
        <translation>
            <numerusform>%1 FEC sans nom pour le récepteur a été repris en Auto.</numerusform>
            <numerusform>%1 FEC sans nom pour le récepteur ont été repris en Auto.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 DVB-S2 transponder was taken without a DVB-S2 mark, which this receiver&apos;s records do not have.</source>
        <translation>%1 transpondeur DVB-S2 a été repris sans marque DVB-S2, absente des entrées de ce récepteur.</translation>
    </message>
    <message numerus="yes">
        <source>%1 DVB-S2 transponders were taken without a DVB-S2 mark, which this receiver&apos;s records do not have.</source>
        <translation>
            <numerusform>%1 transpondeur DVB-S2 a été repris sans marque DVB-S2, absente des entrées de ce récepteur.</numerusform>
            <numerusform>%1 transpondeurs DVB-S2 ont été repris sans marque DVB-S2, absente des entrées de ce récepteur.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The other list has no channels that this list lacks.</source>
        <translation>L’autre liste n’a aucune chaîne qui manque à cette liste.</translation>
    </message>
    <message>
        <source>%1 multiplex</source>
        <translation>%1 multiplex</translation>
    </message>
    <message numerus="yes">
        <source>%1 multiplexes</source>
        <translation>
            <numerusform>%1 multiplex</numerusform>
            <numerusform>%1 multiplex</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 provider</source>
        <translation>%1 fournisseur</translation>
    </message>
    <message numerus="yes">
        <source>%1 providers</source>
        <translation>
            <numerusform>%1 fournisseur</numerusform>
            <numerusform>%1 fournisseurs</numerusform>
        </translation>
    </message>
    <message>
        <source>Added %1.</source>
        <translation>Ajoutés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The favourite tree</source>
        <translation>L’arbre des favoris</translation>
    </message>
    <message>
        <source>%1 favourite list</source>
        <translation>%1 liste de favoris</translation>
    </message>
    <message numerus="yes">
        <source>%1 favourite lists</source>
        <translation>
            <numerusform>%1 liste de favoris</numerusform>
            <numerusform>%1 listes de favoris</numerusform>
        </translation>
    </message>
    <message>
        <source>The satellite list</source>
        <translation>La liste des satellites</translation>
    </message>
    <message>
        <source>The broadcaster list</source>
        <translation>La liste des fournisseurs</translation>
    </message>
    <message>
        <source>%1 broadcaster</source>
        <translation>%1 fournisseur</translation>
    </message>
    <message numerus="yes">
        <source>%1 broadcasters</source>
        <translation>
            <numerusform>%1 fournisseur</numerusform>
            <numerusform>%1 fournisseurs</numerusform>
        </translation>
    </message>
    <message>
        <source>The transponder list</source>
        <translation>La liste des transpondeurs</translation>
    </message>
    <message>
        <source>The cable multiplex list</source>
        <translation>La liste des multiplex câble</translation>
    </message>
    <message>
        <source>%1 cable multiplex</source>
        <translation>%1 multiplex câble</translation>
    </message>
    <message numerus="yes">
        <source>%1 cable multiplexes</source>
        <translation>
            <numerusform>%1 multiplex câble</numerusform>
            <numerusform>%1 multiplex câble</numerusform>
        </translation>
    </message>
    <message>
        <source>The channel list</source>
        <translation>La liste des chaînes</translation>
    </message>
    <message>
        <source>%1 has %2, but this receiver holds none. Remove %3 and save again.</source>
        <translation>%1 contient %2, mais ce récepteur ne peut rien en contenir. Supprimez %3 et enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>%1 has %2, but this receiver holds at most %4. Remove %3 and save again.</source>
        <translation>%1 contient %2, mais ce récepteur en accepte au plus %4. Supprimez %3 et enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>The reference list holds no channels. Nothing was changed.</source>
        <translation>La liste de référence ne contient aucune chaîne. Rien n’a été modifié.</translation>
    </message>
    <message numerus="yes">
        <source>The numbers after the reference&apos;s highest number %1 leave no room for %2 channels that it does not hold. Nothing was changed.</source>
        <translation>
            <numerusform>Après le numéro le plus élevé de la référence, %1, il ne reste pas de place pour %2 chaîne qu’elle ne contient pas. Rien n’a été modifié.</numerusform>
            <numerusform>Après le numéro le plus élevé de la référence, %1, il ne reste pas de place pour %2 chaînes qu’elle ne contient pas. Rien n’a été modifié.</numerusform>
        </translation>
    </message>
    <message>
        <source>Favourite list %1 has no room after the reference&apos;s positions. Nothing was changed.</source>
        <translation>La liste de favoris %1 n’a plus de place après les positions de la référence. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1 « %2 » n’est pas un nombre de %3 à %4</translation>
    </message>
    <message>
        <source>line 1: the column %1 is named twice</source>
        <translation>ligne 1 : la colonne %1 est nommée deux fois</translation>
    </message>
    <message>
        <source>line 1 names none of the columns of the &quot;Channel&quot; sheet (ProgramNum, CAS, Favorite, ... ServiceType)</source>
        <translation>la ligne 1 ne nomme aucune des colonnes de la feuille « Channel » (ProgramNum, CAS, Favorite, ... ServiceType)</translation>
    </message>
    <message>
        <source>line %1 has %2 fields, the header %3</source>
        <translation>la ligne %1 a %2 champs, l’en-tête %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>The CSV file cannot be read: %1. The channel list was not changed.</source>
        <translation>Le fichier CSV ne peut pas être lu : %1. La liste des chaînes n’a pas été modifiée.</translation>
    </message>
    <message>
        <source>The CSV file is empty: it has no header row. The channel list was not changed.</source>
        <translation>Le fichier CSV est vide : il n’a pas de ligne d’en-tête. La liste des chaînes n’a pas été modifiée.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the CSV file. The channel list was not changed.</source>
        <translation>La mémoire est insuffisante pour lire le fichier CSV. La liste des chaînes n’a pas été modifiée.</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un champ entre guillemets n’est pas fermé</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>du texte suit un guillemet fermant</translation>
    </message>
    <message>
        <source>a quote stands inside a field that is not quoted</source>
        <translation>un guillemet se trouve dans un champ qui n’est pas entre guillemets</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a channel number from 1 to 65535. Nothing was changed.</source>
        <translation>Ligne %1 : « %2 » n’est pas un numéro de chaîne de 1 à 65535. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two TV channels on number %3. Nothing was changed.</source>
        <translation>Les lignes %1 et %2 placent deux chaînes TV sur le numéro %3. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two radio channels on number %3. Nothing was changed.</source>
        <translation>Les lignes %1 et %2 placent deux chaînes de radio sur le numéro %3. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two other channels on number %3. Nothing was changed.</source>
        <translation>Les lignes %1 et %2 placent deux autres chaînes sur le numéro %3. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The first line of the CSV file has no Name column. Nothing was changed.</source>
        <translation>La première ligne du fichier CSV n’a pas de colonne Name. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The CSV file cannot be read: %1. Nothing was changed.</source>
        <translation>Le fichier CSV ne peut pas être lu : %1. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The CSV file is empty. Nothing was changed.</source>
        <translation>Le fichier CSV est vide. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Line %1 comes after number 65535. Nothing was changed.</source>
        <translation>La ligne %1 vient après le numéro 65535. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message numerus="yes">
        <source>None of the %1 names of the list is a channel of this list. Nothing was changed.</source>
        <translation>
            <numerusform>Le nom de la liste (%1) n’est pas une chaîne de cette liste. Rien n’a été modifié.</numerusform>
            <numerusform>Aucun des %1 noms de la liste n’est une chaîne de cette liste. Rien n’a été modifié.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reference list holds no channels</source>
        <translation>La liste de référence ne contient aucune chaîne</translation>
    </message>
    <message>
        <source>There is not enough memory to read the reference list. Nothing was changed.</source>
        <translation>La mémoire est insuffisante pour lire la liste de référence. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>This receiver has no satellites. Nothing was changed.</source>
        <translation>Ce récepteur n’a pas de satellites. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>No satellite ID is left for %1. Nothing was changed.</source>
        <translation>Il ne reste aucun identifiant de satellite pour %1. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Satellite %1 has no transponder number left. Nothing was changed.</source>
        <translation>Le satellite %1 n’a plus de numéro de transpondeur libre. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>the file has more than %1 elements, more than any transponder list</source>
        <translation>le fichier a plus de %1 éléments, plus que toute liste de transpondeurs</translation>
    </message>
    <message>
        <source>elements are nested more than %1 deep, which no transponder list is</source>
        <translation>des éléments sont imbriqués sur plus de %1 niveaux, ce qu’aucune liste de transpondeurs ne fait</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has no %2</source>
        <translation>&lt;%1&gt; n’a pas de %2</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1=&quot;%2&quot; n’est pas un nombre de %3 à %4</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes, more than any transponder list.</source>
        <translation>Le fichier dépasse %1 octets, plus que toute liste de transpondeurs.</translation>
    </message>
    <message>
        <source>the XML is malformed (%1)</source>
        <translation>le XML est mal formé (%1)</translation>
    </message>
    <message>
        <source>the file has no &lt;satellites&gt; element</source>
        <translation>le fichier n’a pas d’élément &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>There is not enough memory to read %1.</source>
        <translation>La mémoire est insuffisante pour lire %1.</translation>
    </message>
    <message>
        <source>The numbers after this list&apos;s last TV channel leave no room for %1.</source>
        <translation>Après la dernière chaîne TV de cette liste, il ne reste pas de place pour %1.</translation>
    </message>
    <message>
        <source>The numbers after this list&apos;s last radio channel leave no room for %1.</source>
        <translation>Après la dernière chaîne de radio de cette liste, il ne reste pas de place pour %1.</translation>
    </message>
    <message>
        <source>Favourite list %1 has no room for the channels to add.</source>
        <translation>La liste de favoris %1 n’a pas de place pour les chaînes à ajouter.</translation>
    </message>
    <message>
        <source>The channel table has no key left.</source>
        <translation>La table des chaînes n’a plus de clé libre.</translation>
    </message>
    <message>
        <source>This list has no multiplex number left for %1.</source>
        <translation>Cette liste n’a plus de numéro de multiplex libre pour %1.</translation>
    </message>
    <message>
        <source>The multiplex at %1 MHz cannot be added: this list has another multiplex with its number.</source>
        <translation>Le multiplex à %1 MHz ne peut pas être ajouté : cette liste a un autre multiplex avec son numéro.</translation>
    </message>
    <message>
        <source>The multiplex table has no key left.</source>
        <translation>La table des multiplex n’a plus de clé libre.</translation>
    </message>
    <message>
        <source>This list has no satellite number left for %1.</source>
        <translation>Cette liste n’a plus de numéro de satellite libre pour %1.</translation>
    </message>
    <message>
        <source>The satellite table has no key left.</source>
        <translation>La table des satellites n’a plus de clé libre.</translation>
    </message>
    <message>
        <source>The transponder table has no key left.</source>
        <translation>La table des transpondeurs n’a plus de clé libre.</translation>
    </message>
    <message>
        <source>The satellite at %1 has no transponder number left.</source>
        <translation>Le satellite %1 n’a plus de numéro de transpondeur libre.</translation>
    </message>
    <message>
        <source>This list has no provider number left.</source>
        <translation>Cette liste n’a plus de numéro de fournisseur libre.</translation>
    </message>
    <message>
        <source>The provider table has no key left.</source>
        <translation>La table des fournisseurs n’a plus de clé libre.</translation>
    </message>
    <message>
        <source>cannot read back the received file %1</source>
        <translation>impossible de relire le fichier reçu %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>%1 is empty: there is nothing to send</source>
        <translation>%1 est vide : il n’y a rien à envoyer</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Transfert annulé</translation>
    </message>
    <message>
        <source>The sender cancelled the transfer</source>
        <translation>L’émetteur a annulé le transfert</translation>
    </message>
    <message>
        <source>The line closed: %1</source>
        <translation>La ligne s’est fermée : %1</translation>
    </message>
    <message numerus="yes">
        <source>The sender went on sending blocks after the announced %1 bytes; transfer abandoned</source>
        <translation>
            <numerusform>L’émetteur a continué d’envoyer des blocs après l’octet annoncé (%1) ; transfert abandonné</numerusform>
            <numerusform>L’émetteur a continué d’envoyer des blocs après les %1 octets annoncés ; transfert abandonné</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1 arrived damaged %2 times; transfer abandoned</source>
        <translation>
            <numerusform>Le bloc %1 est arrivé endommagé %2 fois ; transfert abandonné</numerusform>
            <numerusform>Le bloc %1 est arrivé endommagé %2 fois ; transfert abandonné</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1 never came: block %2 came again %3 times; transfer abandoned</source>
        <translation>
            <numerusform>Le bloc %1 n’est jamais arrivé : le bloc %2 est revenu %3 fois ; transfert abandonné</numerusform>
            <numerusform>Le bloc %1 n’est jamais arrivé : le bloc %2 est revenu %3 fois ; transfert abandonné</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 damaged, %2 repeats of block %3</source>
        <translation>%1 endommagés, %2 répétitions du bloc %3</translation>
    </message>
    <message>
        <source>%1 damaged</source>
        <translation>%1 endommagés</translation>
    </message>
    <message numerus="yes">
        <source>Block %1 failed %2 times (%3); transfer abandoned</source>
        <translation>
            <numerusform>Le bloc %1 a échoué %2 fois (%3) ; transfert abandonné</numerusform>
            <numerusform>Le bloc %1 a échoué %2 fois (%3) ; transfert abandonné</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transfer did not end within the %1 allowed for %2 bytes: %3 arrived</source>
        <translation>
            <numerusform>Le transfert ne s’est pas terminé dans les %1 accordées pour %2 octet : %3 reçus</numerusform>
            <numerusform>Le transfert ne s’est pas terminé dans les %1 accordées pour %2 octets : %3 reçus</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing arrived within %1: is the other side sending?</source>
        <translation>Rien n’est arrivé en %1 : l’autre côté envoie-t-il ?</translation>
    </message>
    <message>
        <source>The sender sent data without a file header (a YMODEM batch was expected)</source>
        <translation>L’émetteur a envoyé des données sans en-tête de fichier (un lot YMODEM était attendu)</translation>
    </message>
    <message>
        <source>The sender&apos;s file header is not readable</source>
        <translation>L’en-tête de fichier de l’émetteur est illisible</translation>
    </message>
    <message>
        <source>The sender had no file to send</source>
        <translation>L’émetteur n’avait aucun fichier à envoyer</translation>
    </message>
    <message>
        <source>The sender did not announce the size of %1; the transfer cannot be checked</source>
        <translation>L’émetteur n’a pas annoncé la taille de %1 ; le transfert ne peut pas être vérifié</translation>
    </message>
    <message numerus="yes">
        <source>%1 is too large (%2 bytes; at most %3)</source>
        <translation>
            <numerusform>%1 est trop grand (%2 octet ; au plus %3)</numerusform>
            <numerusform>%1 est trop grand (%2 octets ; au plus %3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sender stopped sending: no block for %1, %2 times, after %3 of %4 bytes</source>
        <translation>
            <numerusform>L’émetteur a cessé d’envoyer : aucun bloc pendant %1, %2 fois, après %3 octets sur %4</numerusform>
            <numerusform>L’émetteur a cessé d’envoyer : aucun bloc pendant %1, %2 fois, après %3 octets sur %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transfer ended after %1 of %2 bytes</source>
        <translation>
            <numerusform>Le transfert s’est terminé après %1 octet sur %2</numerusform>
            <numerusform>Le transfert s’est terminé après %1 octets sur %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The line closed after %1 of %2 bytes: %3</source>
        <translation>
            <numerusform>La ligne s’est fermée après %1 octet sur %2 : %3</numerusform>
            <numerusform>La ligne s’est fermée après %1 octets sur %2 : %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Block sequence lost: expected block %1, got block %2</source>
        <translation>Séquence de blocs perdue : bloc %1 attendu, bloc %2 reçu</translation>
    </message>
    <message numerus="yes">
        <source>The transfer did not end within the %1 allowed for %2 bytes: %3 were acknowledged</source>
        <translation>
            <numerusform>Le transfert ne s’est pas terminé dans les %1 accordées pour %2 octet : %3 acquittés</numerusform>
            <numerusform>Le transfert ne s’est pas terminé dans les %1 accordées pour %2 octets : %3 acquittés</numerusform>
        </translation>
    </message>
    <message>
        <source>The receiver cancelled the transfer</source>
        <translation>Le récepteur a annulé le transfert</translation>
    </message>
    <message>
        <source>The receiver asks for the old checksum mode; only CRC-16 is supported</source>
        <translation>Le récepteur demande l’ancien mode somme de contrôle ; seul CRC-16 est pris en charge</translation>
    </message>
    <message>
        <source>The receiver did not ask for %1 within %2</source>
        <translation>Le récepteur n’a pas demandé %1 en %2</translation>
    </message>
    <message>
        <source>the end of the file</source>
        <translation>la fin du fichier</translation>
    </message>
    <message>
        <source>block %1</source>
        <translation>le bloc %1</translation>
    </message>
    <message numerus="yes">
        <source>The receiver stopped answering: no reply to %1 within %2, %3 times</source>
        <translation>
            <numerusform>Le récepteur ne répond plus : aucune réponse pour %1 en %2, %3 fois</numerusform>
            <numerusform>Le récepteur ne répond plus : aucune réponse pour %1 en %2, %3 fois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receiver refused %1 %2 times; transfer abandoned</source>
        <translation>
            <numerusform>Le récepteur a refusé %1 %2 fois ; transfert abandonné</numerusform>
            <numerusform>Le récepteur a refusé %1 %2 fois ; transfert abandonné</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sending %1 failed %2 times (%3 refused); transfer abandoned</source>
        <translation>
            <numerusform>Échec de l’envoi %2 fois pour %1 (%3 refus) ; transfert abandonné</numerusform>
            <numerusform>Échec de l’envoi %2 fois pour %1 (%3 refus) ; transfert abandonné</numerusform>
        </translation>
    </message>
    <message>
        <source>the file</source>
        <translation>le fichier</translation>
    </message>
    <message>
        <source>the data</source>
        <translation>les données</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation>transpondeur %1</translation>
    </message>
    <message>
        <source>other %1 %2</source>
        <translation>autre %1 %2</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>multiplex %1</translation>
    </message>
    <message>
        <source>%1, PIDs %2/%3/%4</source>
        <translation>%1, PID %2/%3/%4</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>verrouillée</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>ignorée</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>cryptée</translation>
    </message>
    <message>
        <source>cable %1</source>
        <translation>câble %1</translation>
    </message>
    <message>
        <source>terrestrial %1</source>
        <translation>terrestre %1</translation>
    </message>
    <message>
        <source>There is not enough memory to open %1.</source>
        <translation>Mémoire insuffisante pour ouvrir %1.</translation>
    </message>
    <message>
        <source>a receiver image</source>
        <translation>une image de récepteur</translation>
    </message>
    <message>
        <source>a CSV file</source>
        <translation>un fichier CSV</translation>
    </message>
    <message>
        <source>a channel list</source>
        <translation>une liste de chaînes</translation>
    </message>
    <message>
        <source>a satellites.xml file</source>
        <translation>un fichier satellites.xml</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossible de lire %1 : %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not %2.</source>
        <translation>%1 est un dossier, pas %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so it cannot be %2.</source>
        <translation>%1 n’est pas un fichier ordinaire, ce ne peut donc pas être %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %2 bytes, more than %3 can have (at most %4 bytes).</source>
        <translation>
            <numerusform>%1 fait %2 octet, plus que %3 ne peut en avoir (au plus %4 octets).</numerusform>
            <numerusform>%1 fait %2 octets, plus que %3 ne peut en avoir (au plus %4 octets).</numerusform>
        </translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>le fichier s’arrête trop tôt</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Impossible d’ouvrir %1 : %2.</translation>
    </message>
    <message>
        <source>%1 The channel list was not changed.</source>
        <translation>%1 La liste des chaînes n’a pas été modifiée.</translation>
    </message>
    <message>
        <source>serial %1 at %2 baud</source>
        <translation>série %1 à %2 bauds</translation>
    </message>
    <message>
        <source>TCP port %1</source>
        <translation>port TCP %1</translation>
    </message>
    <message>
        <source>TCP port %1 on %2</source>
        <translation>port TCP %1 sur %2</translation>
    </message>
    <message>
        <source>%1 baud is not a rate a serial port can be set to</source>
        <translation>%1 bauds n’est pas une vitesse possible pour un port série</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d’ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a serial port: %2</source>
        <translation>%1 n’est pas un port série : %2</translation>
    </message>
    <message>
        <source>cannot set up %1: %2</source>
        <translation>impossible de configurer %1 : %2</translation>
    </message>
    <message>
        <source>cannot find %1: %2</source>
        <translation>impossible de trouver %1 : %2</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>impossible de se connecter à %1</translation>
    </message>
    <message>
        <source>cannot connect to %1: %2</source>
        <translation>impossible de se connecter à %1 : %2</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>impossible d’écouter sur %1 : %2</translation>
    </message>
    <message>
        <source>cannot listen on %1</source>
        <translation>impossible d’écouter sur %1</translation>
    </message>
    <message>
        <source>not listening</source>
        <translation>aucune écoute en cours</translation>
    </message>
    <message>
        <source>Nobody connected to port %1 within %2</source>
        <translation>Personne ne s’est connecté au port %1 en %2</translation>
    </message>
    <message>
        <source>accept: %1</source>
        <translation>connexion refusée : %1</translation>
    </message>
    <message>
        <source>there is no working copy (it could not be created in the temporary directory)</source>
        <translation>il n’y a pas de copie de travail (elle n’a pas pu être créée dans le dossier temporaire)</translation>
    </message>
    <message>
        <source>Could not allocate memory</source>
        <translation>Impossible d’allouer de la mémoire</translation>
    </message>
    <message>
        <source>Could not determine tag type</source>
        <translation>Type de balise indéterminable</translation>
    </message>
    <message>
        <source>Error parsing document declaration/processing instruction</source>
        <translation>Erreur dans la déclaration du document ou une instruction de traitement</translation>
    </message>
    <message>
        <source>Error parsing comment</source>
        <translation>Erreur dans un commentaire</translation>
    </message>
    <message>
        <source>Error parsing CDATA section</source>
        <translation>Erreur dans une section CDATA</translation>
    </message>
    <message>
        <source>Error parsing document type declaration</source>
        <translation>Erreur dans la déclaration de type de document</translation>
    </message>
    <message>
        <source>Error parsing PCDATA section</source>
        <translation>Erreur dans le texte d’un élément (PCDATA)</translation>
    </message>
    <message>
        <source>Error parsing start element tag</source>
        <translation>Erreur dans une balise ouvrante</translation>
    </message>
    <message>
        <source>Error parsing element attribute</source>
        <translation>Erreur dans un attribut</translation>
    </message>
    <message>
        <source>Error parsing end element tag</source>
        <translation>Erreur dans une balise fermante</translation>
    </message>
    <message>
        <source>Start-end tags mismatch</source>
        <translation>Les balises ouvrante et fermante ne correspondent pas</translation>
    </message>
    <message>
        <source>No document element found</source>
        <translation>Aucun élément de document trouvé</translation>
    </message>
    <message>
        <source>keeping the old file as %1: %2</source>
        <translation>conservation de l’ancien fichier sous %1 : %2</translation>
    </message>
    <message>
        <source>no file open for %1</source>
        <translation>aucun fichier ouvert pour %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>impossible de créer un fichier dans %1 : %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>impossible de verrouiller %1 : %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of %1: %2</source>
        <translation>impossible de définir les droits de %1 : %2</translation>
    </message>
    <message>
        <source>writing %1: %2</source>
        <translation>écriture de %1 : %2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>writing %1 to disk: %2</source>
        <translation>écriture de %1 sur le disque : %2</translation>
    </message>
    <message>
        <source>closing %1: %2</source>
        <translation>fermeture de %1 : %2</translation>
    </message>
    <message>
        <source>replacing %1: %2</source>
        <translation>remplacement de %1 : %2</translation>
    </message>
    <message>
        <source>This receiver&apos;s flash layout is not valid: %1.</source>
        <translation>La disposition de la mémoire flash de ce récepteur n’est pas valide : %1.</translation>
    </message>
    <message>
        <source>sector size %1</source>
        <translation>taille de secteur %1</translation>
    </message>
    <message>
        <source>favourite</source>
        <translation>favoris</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>satellites</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>diffuseurs</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>transpondeurs</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>chaînes</translation>
    </message>
    <message>
        <source>the %1 block has a negative value</source>
        <translation>le bloc des %1 a une valeur négative</translation>
    </message>
    <message>
        <source>the %1 block starts too far out</source>
        <translation>le bloc des %1 commence trop loin</translation>
    </message>
    <message>
        <source>a negative multiplex count</source>
        <translation>un nombre de multiplex négatif</translation>
    </message>
    <message>
        <source>the single block is larger than any receiver&apos;s image</source>
        <translation>le bloc unique est plus grand que toute image de récepteur</translation>
    </message>
    <message>
        <source>the %1 block reaches beyond any receiver&apos;s image</source>
        <translation>le bloc des %1 dépasse toute image de récepteur</translation>
    </message>
    <message>
        <source>%1 Nothing was written. Save the channels under another name.</source>
        <translation>%1 Rien n’a été écrit. Enregistrez les chaînes sous un autre nom.</translation>
    </message>
    <message>
        <source>The workbook has no sheet named &quot;Channel&quot;.</source>
        <translation>Le classeur n’a pas de feuille nommée « Channel ».</translation>
    </message>
    <message>
        <source>There is not enough memory to read the workbook.</source>
        <translation>La mémoire ne suffit pas pour lire le classeur.</translation>
    </message>
    <message>
        <source>The channel list has %1 channels, but a workbook sheet holds at most %2. Remove %3 channels and save again.</source>
        <translation>La liste contient %1 chaînes, mais une feuille de classeur en contient au plus %2. Supprimez-en %3 et enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>%1 Its other contents could not be kept, so nothing was written. Save the channels under another name.</source>
        <translation>%1 Son autre contenu n’aurait pas pu être conservé, donc rien n’a été écrit. Enregistrez les chaînes sous un autre nom.</translation>
    </message>
    <message>
        <source>No workbook was read.</source>
        <translation>Aucun classeur n’a été lu.</translation>
    </message>
    <message>
        <source>The workbook was not read from a file.</source>
        <translation>Le classeur n’a pas été lu depuis un fichier.</translation>
    </message>
    <message>
        <source>The workbook is damaged: a stream of its compound file cannot be read.</source>
        <translation>Le classeur est endommagé : un flux de son fichier composé est illisible.</translation>
    </message>
    <message>
        <source>The file is not an Excel 97-2003 workbook (.xls).</source>
        <translation>Le fichier n’est pas un classeur Excel 97-2003 (.xls).</translation>
    </message>
    <message>
        <source>The workbook is damaged: its sector tables or its directory cannot be read.</source>
        <translation>Le classeur est endommagé : ses tables de secteurs ou son répertoire sont illisibles.</translation>
    </message>
    <message>
        <source>The file holds no &quot;Workbook&quot; stream, so it is not an Excel 97-2003 workbook.</source>
        <translation>Le fichier ne contient pas de flux « Workbook » : ce n’est donc pas un classeur Excel 97-2003.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its &quot;Workbook&quot; stream ends early or its sectors are chained wrongly.</source>
        <translation>Le classeur est endommagé : son flux « Workbook » s’arrête trop tôt ou ses secteurs sont mal chaînés.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its table of shared strings cannot be read.</source>
        <translation>Le classeur est endommagé : sa table des chaînes partagées est illisible.</translation>
    </message>
    <message>
        <source>The workbook is protected with a password, so it cannot be read.</source>
        <translation>Le classeur est protégé par un mot de passe : il ne peut donc pas être lu.</translation>
    </message>
    <message>
        <source>The workbook holds more cells or sheets than this program reads.</source>
        <translation>Le classeur contient plus de cellules ou de feuilles que ce programme n’en lit.</translation>
    </message>
    <message>
        <source>an Excel workbook</source>
        <translation>un classeur Excel</translation>
    </message>
    <message>
        <source>A text of more than 255 characters cannot be added to this workbook.</source>
        <translation>Un texte de plus de 255 caractères ne peut pas être ajouté à ce classeur.</translation>
    </message>
    <message>
        <source>The workbook is too large to be written.</source>
        <translation>Le classeur est trop grand pour être écrit.</translation>
    </message>
    <message>
        <source>The file has no satellite at %1. Nothing was changed.</source>
        <translation>Le fichier n’a pas de satellite à %1. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>There is not enough memory to write the CSV file.</source>
        <translation>La mémoire ne suffit pas pour écrire le fichier CSV.</translation>
    </message>
</context>
</TS>
